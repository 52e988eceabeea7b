// The interpreter without a screen: reports of bad scripts, and the events.
#include "engine_env.h"
#include "memory_generation.h"

namespace {

// Every event as one line of text, for a consumer that is no report.
struct event_log : report_sink {
  std::string log;
  static std::string n(long v) { return std::to_string(v); }
  void add(std::initializer_list<std::string_view> parts) {
    for (std::string_view p : parts) log += p;
    log += '\n';
  }
  void header(const report_header &h) override {
    add({"header ", n(static_cast<int>(h.read)), " ", h.position, "|",
         h.comment, "|", h.area_label, "|", h.monster_label,
         h.has_portable_code ? " " + n(h.portable_code) : ""});
  }
  void section(section_kind k, std::string_view, int lines) override {
    add({"section ", n(static_cast<int>(k)), " ", n(lines)});
  }
  void literal(std::string_view text, int lines, bool closed) override {
    add({"literal ", n(lines), closed ? " " : " open ", text});
  }
  void item(const report_item &i) override {
    add({"item ", n(i.category), " [", i.keywords, "] ", n(i.lines)});
  }
  void end(const report_end &e) override {
    add({"end ", n(e.complete), " ", n(e.stopped_line)});
  }
  void warning(long line, std::string_view what) override {
    warnings += n(line) + " " + std::string(what) + "\n";
  }
  std::string warnings;
};

struct Interpreter : EngineEnv {
  bool run(const std::string &script, report_sink &sink) {
    return interpret_text(script, tables, sink);
  }
};

const std::string HEAD =
    "6 12 2024\n3 4 1021\n[POS: by  [the]   gate\n[COM: -3 torches -\n"
    "----------\n";
const std::string DATES =
    REPORT_RULE + "Date       : 6/12/2024\nGame date  : 3/4/1021\n";
const std::string CLOSING = "\n-----\n\n";

TEST_F(Interpreter, ReportsWhatCouldBeReadOfAScriptCutShortOrMalformed) {
  const std::string unknown = HEAD + "-1 57 1 1 0 -1 0\n----------\nPORTABLE\n",
                    unknown_report =
                        DATES + "Position   : by [the] gate \nArea       : " +
                        "(unknown)\nMonster    : (unknown)\n\nComments   : " +
                        "-3 torches - \n\n-----\n\nPortable treasure :\n\n";
  const std::pair<std::string, std::string> cases[] = {
      // clang-format off
      {"6 12 x\n", REPORT_RULE},
      {"6 12 2024\n3 4 1021\n[POS: " + std::string(60, 'w'), DATES + "Position   : "},
      {HEAD + "1 0 12 40 7", DATES + "Position   : by [the] gate "},
      {unknown + "[ Half a text\nand more", unknown_report + "Half a text\nand more"},
      {unknown + "THIS_TOKEN_IS_LONGER\n< L1_COINS >\n", unknown_report},
      {unknown + "> [ never read ]", unknown_report},
      // clang-format on
  };
  for (const auto &[script, report] : cases) {
    text_report sink;
    EXPECT_FALSE(run(script, sink)) << script;
    EXPECT_EQ(sink.text(), report + CLOSING) << script;
  }
}

TEST_F(Interpreter, SendsEveryPartInOrderToAStructuredConsumer) {
  event_log sink;
  EXPECT_TRUE(
      run(HEAD + "1 89 12 40 7 -1 65536\n----------\nPORTABLE\n" +
              "[ a\nb\n]\n< L1_OTHER >\n< ELDER L3_MAGICWEAPON JUNK >\n" +
              "END-OF-SECTION\nLAIR-TREASURE\nEND-OF-SECTION\nTAIL",
          sink));
  const std::string magic = sink.log.substr(sink.log.find("item 5"));
  EXPECT_EQ(sink.log.substr(0, sink.log.find("item 1")),
            "header 4 by [the] gate |-3 torches - |Old Tower|Manual "
            "generation 65536\nsection 0 2\nliteral 2 a\nb\n\n");
  EXPECT_EQ(magic.substr(0, magic.find(']') + 1),
            "item 5 [ELDER L3_MAGICWEAPON JUNK]");
  EXPECT_EQ(sink.log.substr(sink.log.find("section 1")),
            "section 1 5\nend 1 0\n");
  EXPECT_EQ(sink.warnings, "13 unknown word 'JUNK' in an item is ignored\n");

  // What the report leaves out is warned, by line; words it knows are not.
  sink.warnings.clear();
  run(HEAD + "0 0 1 1 0 -1\n----------\nMANUAL-GENERATION\n< >\nSTRAY\n" +
          "< L1_COINS LARGE L1_COINS >\n< L1_GEMJJ\nEND-OF-SECTION\n",
      sink);
  EXPECT_EQ(sink.warnings,
            "9 an item without a category word gives nothing\n"
            "10 unknown word 'STRAY' outside an item is ignored\n"
            "13 an item is not closed before END-OF-SECTION\n");

  // Without the seventh number reading goes on; cut short, it names the line.
  sink.log.clear();
  EXPECT_FALSE(run(HEAD + "0 0 1 1 0 -1\n----------\nPORTABLE\n[ x\ny", sink));
  EXPECT_EQ(sink.log.substr(sink.log.find("|Cave")),
            "|Cave|Orc, Grunt\nsection 0 2\nliteral 1 open x\ny\nend 0 10\n");
}

}  // namespace
