// What the model shows: the plain-text state, Shift-JIS text as UTF-8, and
// the self-contained HTML page.
#include <gtest/gtest.h>

#include "host_model.h"
#include "html_report.h"
#include "sjis_text.h"
#include "state_dump.h"
#include "support/saori_client.h"

namespace zef::host_model {
namespace {

TEST(StateDump, ListsWindowsBalloonsGroupsMovesEventsAndLog) {
  HostModel model(1);
  model.runScript("\\p[10]\\s[__system_dummy__]\\![move,--X=0,--Y=0,--time=0,--base=0,--move-offset=right.bottom]"
                  "\\p[11]\\p[10]\\b[3]Hi\\n\\![*]\\q[Go,x]\\![set,sticky-window,0,10]\\![raise,Done]\\_q");
  EXPECT_EQ(dumpState(model.state()),
            "window 0 character at 1670,780 size 200x300\n"
            "window 10 point at 1670,780 surface __system_dummy__\n"
            "window 11 hidden at 0,0\n"
            "balloon 10 number 3 at 1410,780 size 260x60\n"
            "  | Hi\n"
            "  | \xE2\x97\x87[Go]\n"
            "choice 1 scope 10 \"Go\" raises x\n"
            "group 0 10\n"
            "move 10 by 1670,780 time 0\n"
            "event Done\n"
            "current scope 10\n"
            "note \\s[__system_dummy__] in scope 10: the host shows this surface only when the ghost's shell "
            "defines it (otherwise the scope's default surface): give a transparent surface in the shell's "
            "surfaces.txt the line name,__system_dummy__ (zef's surfaces_zef.txt does). The picture draws these "
            "scopes as points\n"
            "note \\b[3] in scope 10: odd balloon numbers are the right-facing variants, so the host shows "
            "balloon 3 facing right; the picture draws every balloon on its scope's side. Where zef wrote it (the "
            "balloon number, Argument7, and each \\b[N] of a talk shifted by it), give Argument7 an even number\n"
            "log 10 \\_q\n");
}

TEST(ShiftJisText, ConvertsCodePage932WithTheBackslashKept) {
  // "･" (0xA5), "→" (0x81 0xA8), "表" (0x95 0x5C) and the backslash itself.
  EXPECT_EQ(shiftJisToUtf8("\xA5\x81\xA8\x95\x5C\\n"), "\xEF\xBD\xA5\xE2\x86\x92\xE8\xA1\xA8\\n");
  EXPECT_EQ(shiftJisToUtf8("a\x81"), "a\xEF\xBF\xBD");
  EXPECT_EQ(shiftJisToUtf8("\x85\x40"), "\xEF\xBF\xBD");  // an unassigned code
}

TEST(StateDump, Utf8ScriptsAreReadByteByByteAndShownAsTheyAre) {
  // In Shift-JIS "\x81" would take the backslash after it as its trail byte.
  HostModel model(1);
  model.runScript("\\p[12]\xE3\x81\x81\\n\xE8\xA1\xA8\\q[\xE2\x86\x92,x]\\![raise,\xE3\x82\xA4]", Charset::utf8);
  const std::string dump = dumpState(model.state());
  EXPECT_NE(dump.find("  | \xE3\x81\x81\n  | \xE8\xA1\xA8[\xE2\x86\x92]\n"), std::string::npos) << dump;
  EXPECT_NE(dump.find("event \xE3\x82\xA4\n"), std::string::npos) << dump;
  const std::string figure = renderFigure("request-1", "request 1", {"ZEF"}, "\\p[12]\xE3\x81\x81", model.state());
  EXPECT_NE(figure.find("<tspan>\xE3\x81\x81</tspan>"), std::string::npos);
  EXPECT_NE(figure.find("<pre>\\p[12]\xE3\x81\x81</pre>"), std::string::npos);
}

TEST(HtmlReport, OneFigurePerRequestWithTextScopesAndCaption) {
  HostModel model;
  model.runScript("\\p[12]\\s[__system_dummy__]\\![move,--X=0,--Y=0,--base=0]<b>&\\n\\q[H&V,x]\\![raise,E]");
  std::string figure = renderFigure("request-3", "request 3", {"ZEF", "<b>&"}, "\\p[12]", model.state());
  std::string page = renderPage("zef preview", {"A <page> note."}, {figure, figure});

  EXPECT_NE(figure.find("<figure id=\"request-3\">"), std::string::npos);
  EXPECT_NE(figure.find("&lt;b&gt;&amp;"), std::string::npos);
  EXPECT_EQ(figure.find("<b>&"), std::string::npos);
  EXPECT_NE(figure.find("<tspan class=\"choice\">H&amp;V</tspan>"), std::string::npos);
  EXPECT_NE(figure.find(">scope 12</text>"), std::string::npos);  // the balloon's scope number
  EXPECT_NE(figure.find(">12</text>"), std::string::npos);        // the dummy point's label
  EXPECT_NE(figure.find("Events raised: E"), std::string::npos);
  EXPECT_NE(figure.find("<code>ZEF</code>, <code>&lt;b&gt;&amp;</code>"), std::string::npos);

  EXPECT_NE(page.find("<p class=\"page-note\">A &lt;page&gt; note.</p>"), std::string::npos);

  std::size_t figures = 0;
  for (std::size_t at = page.find("<figure"); at != std::string::npos; at = page.find("<figure", at + 1)) ++figures;
  EXPECT_EQ(figures, 2u);
  // Self-contained: no scripts, links or loaded files; the SVG namespace is no fetch.
  for (const char* outside : {"<script", "<link", "src=", "href=", "url("}) {
    EXPECT_EQ(page.find(outside), std::string::npos) << outside;
  }
}

// A second layout start in one run of the ghost regroups scopes that are
// grouped already: its figure says the host refuses that, and that its hold
// moves name no moved point. The dummy surface is noted once, on the first.
TEST(HtmlReport, AFiguresNotesSayWhatTheHostRefusesOrLeavesOpen) {
  test::FreshModule module;
  HostModel model;
  model.runScript(test::resultOf(test::defaultLayoutStart("firstZEF")));
  const std::string first = renderFigure("request-1", "request 1", {"firstZEF"}, "", model.state());
  model.runScript(test::resultOf(test::defaultLayoutStart("startZEF")));
  const std::string second = renderFigure("request-2", "request 2", {"startZEF"}, "", model.state());

  EXPECT_NE(first.find("<p>Host notes on request 1:</p><ul class=\"notes\"><li><code>\\s[__system_dummy__]</code>"
                       " in scope 10 (and 13 more like it): the host shows this surface only when"),
            std::string::npos)
      << first;
  const std::size_t notes = second.find("<p>Host notes on request 2:</p>");
  ASSERT_NE(notes, std::string::npos) << second;
  const std::string list = second.substr(notes, second.find("</ul>", notes) + 5 - notes);
  EXPECT_NE(list.find("<li><code>\\![moveasync,--X=0,--Y=0,--time=0,--base=me,--option=ignore-sticky-window]</code> "
                      "in scope 10 (and 1 more like it): it has no --move-offset"),
            std::string::npos)
      << list;
  // Each note in English and in Japanese.
  EXPECT_NE(list.find("<li><code>\\![set,sticky-window,0,10,12,14,16,18,20,22]</code> (and 1 more like it): scope 0 "
                      "is already in a sticky group"),
            std::string::npos);
  EXPECT_NE(list.find("<span lang=\"ja\"><code>\\![set,sticky-window,0,10,12,14,16,18,20,22]</code>（ほか 1 件）："
                      "スコープ 0 はすでに sticky-window のグループにあり"),
            std::string::npos);
  EXPECT_EQ(model.state().groups.size(), 2u);
}

}  // namespace
}  // namespace zef::host_model
