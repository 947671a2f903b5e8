// A thread with a chosen stack size: the standard thread class cannot set it.
#include "convert/small_stack_thread.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <pthread.h>
#endif

namespace zef::test {

namespace {

#ifdef _WIN32
DWORD WINAPI runWork(LPVOID work) {
  (*static_cast<const std::function<void()>*>(work))();
  return 0;
}
#else
void* runWork(void* work) {
  (*static_cast<const std::function<void()>*>(work))();
  return nullptr;
}
#endif

}  // namespace

bool runOnSmallStack(std::size_t stackBytes, const std::function<void()>& work) {
  auto* argument = const_cast<std::function<void()>*>(&work);
#ifdef _WIN32
  HANDLE thread = CreateThread(nullptr, stackBytes, runWork, argument, STACK_SIZE_PARAM_IS_A_RESERVATION, nullptr);
  if (thread == nullptr) return false;
  WaitForSingleObject(thread, INFINITE);
  CloseHandle(thread);
  return true;
#else
  pthread_attr_t attributes;
  if (pthread_attr_init(&attributes) != 0) return false;
  const bool sized = pthread_attr_setstacksize(&attributes, stackBytes) == 0;
  pthread_t thread;
  const bool started = sized && pthread_create(&thread, &attributes, runWork, argument) == 0;
  pthread_attr_destroy(&attributes);
  if (!started) return false;
  pthread_join(thread, nullptr);
  return true;
#endif
}

}  // namespace zef::test
