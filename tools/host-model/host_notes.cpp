// The host notes in words, in English and in Japanese.
#include "host_notes.h"

#include "sjis_text.h"

namespace zef::host_model {
namespace {

std::string n(int value) { return std::to_string(value); }

// A balloon's note is what the picture shows, then what the author can
// change; "(and N more like it)" goes between them.
constexpr char kThen = '\n';

std::string english(const HostNote& note) {
  switch (note.kind) {
    case HostNote::Kind::RefusedGroup:
      return "scope " + n(note.detail) +
             " is already in a sticky group, and the host refuses such a setting until "
             "\\![reset,sticky-window]; the picture keeps the groups as they were. If zef wrote it: a layout "
             "start sent twice while the ghost runs is refused so (send firstZEF or startZEF once a run, as the "
             "samples' guard does), and after changeZEF Bl_Num the new scopes stay out of the character's group";
    case HostNote::Kind::DummySurface:
      return "the host shows this surface only when the ghost's shell defines it (otherwise the scope's default "
             "surface): give a transparent surface in the shell's surfaces.txt the line name,__system_dummy__ "
             "(zef's surfaces_zef.txt does). The picture draws these scopes as points";
    case HostNote::Kind::MoveWithoutMoveOffset:
      return "it has no --move-offset, and the host documents no default for one; the picture puts the "
             "window's left.top point there. zef moves its dummy scopes so, which are points: every offset "
             "names the same point, and nothing needs changing";
    case HostNote::Kind::OddBalloon:
      return "odd balloon numbers are the right-facing variants, so the host shows balloon " + n(note.detail) +
             " facing right; the picture draws every balloon on its scope's side. Where zef wrote it (the "
             "balloon number, Argument7, and each \\b[N] of a talk shifted by it), give Argument7 an even number";
    case HostNote::Kind::CutChoice:
      return "its script is not wrapped in double quotes, so the host cuts it at its first comma and runs only "
             "what stands before it (the choices list shows it). Write \\q[TITLE,\"script:SCRIPT\"], with "
             "plain ] and each \" doubled inside the quotes";
    case HostNote::Kind::BalloonsOverlap:
      if (note.height > 0) {
        return "the balloon of scope " + n(note.scope) + " overlaps that of scope " + n(note.detail) +
               ", one above the other" + kThen + "make the step (Argument4, changeZEF Bl_Move) larger than the "
               "balloon's height, " + n(note.height) + " px";
      }
      return "the balloon of scope " + n(note.scope) + " overlaps that of scope " + n(note.detail) + kThen +
             "stand the characters further apart, or move the dummy scopes (Pos-H and Pos-V in the "
             "settings menu)";
    case HostNote::Kind::BalloonOverCharacter:
      return "the balloon of scope " + n(note.scope) + " covers character " + n(note.detail) + kThen +
             "stand the characters further apart, or move the dummy scopes (Pos-H and Pos-V in the settings "
             "menu)";
    case HostNote::Kind::BalloonOffScreen:
      return "the balloon of scope " + n(note.scope) + " leaves the screen" + kThen +
             "a smaller step (Argument4), fewer balloons per character (Argument3), or the "
             "dummy scopes moved (Pos-H and Pos-V in the settings menu) keep it on the screen";
  }
  return {};
}

std::string japanese(const HostNote& note) {
  switch (note.kind) {
    case HostNote::Kind::RefusedGroup:
      return "スコープ " + n(note.detail) +
             " はすでに sticky-window のグループにあり、ホストは \\![reset,sticky-window] までこの設定を受け付けません"
             "（図もグループを元のままにします）。zef の結果なら、起動中に二度送った配置の開始はこうして断られます"
             "（firstZEF か startZEF は起動ごとに一度だけ送ってください。サンプルのガードがそうします）。"
             "changeZEF Bl_Num の後は、新しいスコープがキャラクターのグループに入りません";
    case HostNote::Kind::DummySurface:
      return "ホストがこのサーフェスを表示するのは、ゴーストのシェルが定義しているときだけです（ないときはスコープの"
             "既定のサーフェス）。シェルの surfaces.txt に透明なサーフェスと name,__system_dummy__ の行が必要です"
             "（zef の surfaces_zef.txt がそれです）。図ではこれらのスコープを点で描きます";
    case HostNote::Kind::MoveWithoutMoveOffset:
      return "--move-offset がなく、ホストはその既定を定めていません。図ではウィンドウの left.top を合わせます。"
             "zef はダミースコープ（点）をこう動かすので、どの offset も同じ点になり、直すところはありません";
    case HostNote::Kind::OddBalloon:
      return "奇数のバルーン番号は右向きのバルーンなので、ホストはバルーン " + n(note.detail) +
             " を右向きに出します（図ではスコープの側に描きます）。zef が書いたもの（バルーン番号 Argument7 と、"
             "それだけずらしたトークの \\b[N]）なら、Argument7 を偶数にしてください";
    case HostNote::Kind::CutChoice:
      return "スクリプトがダブルクォートで囲まれていないので、ホストは最初のカンマで切り、その前だけを動かします"
             "（選択肢の一覧に出ます）。\\q[タイトル,\"script:スクリプト\"] と書き、中の \" は二つ重ねてください";
    case HostNote::Kind::BalloonsOverlap:
      if (note.height > 0) {
        return "スコープ " + n(note.scope) + " のバルーンがスコープ " + n(note.detail) +
               " のバルーンに上下で重なります" + kThen + "バルーンの間隔（Argument4、changeZEF Bl_Move）をバルーンの高さ " +
               n(note.height) + " px より大きくしてください";
      }
      return "スコープ " + n(note.scope) + " のバルーンがスコープ " + n(note.detail) +
             " のバルーンに重なります" + kThen + "キャラクター同士を離すか、ダミースコープを動かしてください"
             "（設定メニューの Pos-H と Pos-V）";
    case HostNote::Kind::BalloonOverCharacter:
      return "スコープ " + n(note.scope) + " のバルーンがキャラクター " + n(note.detail) +
             " に重なります" + kThen + "キャラクター同士を離すか、ダミースコープを動かしてください（設定メニューの Pos-H と Pos-V）";
    case HostNote::Kind::BalloonOffScreen:
      return "スコープ " + n(note.scope) +
             " のバルーンが画面の外に出ます" + kThen + "バルーンの間隔（Argument4）を小さくするか、一人あたりのバルーンの数"
             "（Argument3）を減らすか、ダミースコープを動かしてください（設定メニューの Pos-H と Pos-V）";
  }
  return {};
}

}  // namespace

std::string noteRemark(const HostNote& note, Language language) {
  const bool inJapanese = language == Language::japanese;
  std::string out;
  // Where a group is set does not matter, and a balloon's note names its scope.
  if (note.kind != HostNote::Kind::RefusedGroup && !note.isAboutBalloons()) {
    out += inJapanese ? "（スコープ " + n(note.scope) + "）" : " in scope " + n(note.scope);
  }
  if (note.more > 0) out += inJapanese ? "（ほか " + n(note.more) + " 件）" : " (and " + n(note.more) + " more like it)";
  const std::string separator = inJapanese ? "。" : ": ";
  std::string reason = inJapanese ? japanese(note) : english(note);
  const std::size_t then = reason.find(kThen);
  if (then != std::string::npos) return reason.substr(0, then) + out + separator + reason.substr(then + 1);
  return out + (inJapanese ? "：" : ": ") + reason;
}

std::string noteText(const HostNote& note, Charset charset, Language language) {
  return textAsUtf8(note.command, charset) + noteRemark(note, language);
}

}  // namespace zef::host_model
