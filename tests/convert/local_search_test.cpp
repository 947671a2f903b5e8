// The word searches that the scanners repeat from one position after another
// must read little beyond what they find. One that read on to the end of the
// line each time would read a long line once per tag: a megabyte of
// `\![set,alpha,50]` took a second instead of milliseconds.
//
// The text is followed by a page that may not be read, and the searched view
// reaches into it: a search that reads too far stops the test with a fault.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <string_view>

#if __has_include(<sys/mman.h>) && __has_include(<unistd.h>)
#include <sys/mman.h>
#include <unistd.h>
#define ZEF_TEST_GUARD_PAGES 1
#endif

#include "convert/character_tag_scanner.h"

namespace zef {
namespace {

#ifdef ZEF_TEST_GUARD_PAGES

// `text` placed right before a page that may not be read.
class GuardedText {
 public:
  explicit GuardedText(std::string_view text) {
    pageSize_ = static_cast<std::size_t>(sysconf(_SC_PAGESIZE));
    const std::size_t textPages = (text.size() + pageSize_ - 1) / pageSize_;
    mappedSize_ = (textPages + 1) * pageSize_;
    void* const mapped = mmap(nullptr, mappedSize_, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (mapped == MAP_FAILED) return;
    mapped_ = static_cast<char*>(mapped);
    guard_ = mapped_ + textPages * pageSize_;
    std::memcpy(guard_ - text.size(), text.data(), text.size());
    if (mprotect(guard_, pageSize_, PROT_NONE) != 0) return;
    text_ = std::string_view(guard_ - text.size(), text.size());
  }
  ~GuardedText() {
    if (mapped_ != nullptr) munmap(mapped_, mappedSize_);
  }
  GuardedText(const GuardedText&) = delete;
  GuardedText& operator=(const GuardedText&) = delete;

  bool ready() const { return text_.data() != nullptr; }
  // The text and the unreadable page behind it, as one view.
  std::string_view withGuard() const { return {text_.data(), text_.size() + pageSize_}; }

 private:
  std::size_t pageSize_ = 0;
  std::size_t mappedSize_ = 0;
  char* mapped_ = nullptr;
  char* guard_ = nullptr;
  std::string_view text_;
};


void expectFoundBeforeGuard(std::string_view content, std::size_t expected, std::string_view what) {
  const GuardedText guarded(content);
  ASSERT_TRUE(guarded.ready());
  EXPECT_EQ(settingNameSet.findWordOrLineBreak(guarded.withGuard(), 0), expected) << what;
}

// Room behind what is found for the check of a word.
const std::string filler(32, 'x');

TEST(LocalSearch, AWordSearchStopsAtTheWordItFinds) {
  for (const std::string_view name : settingNames) {
    for (std::size_t before = 0; before < 40; ++before) {
      expectFoundBeforeGuard(std::string(before, 'y') + std::string(name) + filler, before, name);
    }
  }
}

TEST(LocalSearch, AWordSearchStopsAtTheLineBreakItFinds) {
  for (const char* const lineBreak : {"\n", "\r"}) {
    for (std::size_t before = 0; before < 40; ++before) {
      expectFoundBeforeGuard(std::string(before, 'y') + lineBreak + "alpha" + filler, before, "line break");
    }
  }
}

#else

TEST(LocalSearch, NeedsGuardPages) { GTEST_SKIP() << "no mmap here to put an unreadable page behind a text"; }

#endif

}  // namespace
}  // namespace zef
