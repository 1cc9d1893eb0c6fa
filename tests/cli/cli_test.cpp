// Runs the real volemo-cli binary and checks what it writes.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "composer.h"
#include "memory_settings.h"
#include "run_cli.h"
#include "scale_table.h"

namespace volemo {
namespace {

namespace fs = std::filesystem;

std::string BodyOf(const std::string& doc) {
  const size_t start = doc.find("[4 \r\n");
  return start == std::string::npos ? "" : doc.substr(start + 5);
}

TEST(Cli, PhraseIsTheEnginesDocumentForTheSameSeed) {
  const Result r = RunCli({"phrase", "--seed", "777"});
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.err, "");

  // The same work in this process: load Scale.dat beside the program,
  // select and apply Major, compose with the pattern box empty.
  EngineState state;
  MemorySettings settings(state);
  state.random.Seed(777);
  const std::string scaleFile = (fs::path(VOLEMO_CLI).parent_path() / "Scale.dat").string();
  settings.SetIndex("cmbScale", LoadScaleTable(state, scaleFile, [](auto&, auto&) { FAIL(); }));
  ApplyScale(settings, state);
  ComposePhrase(settings, state);

  EXPECT_EQ(r.out, settings.MmlText());
  EXPECT_TRUE(r.out.starts_with("Tempo=110;Channel(1);Voice(1)\r\nv120l16[4 \r\n"));
  EXPECT_TRUE(r.out.ends_with("\r\n]"));
}

// The operations after composing, pinned as exact bytes: a script's
// --reroll of a seed gives the same phrase in every version.
TEST(Cli, PhraseOperationsGiveThePinnedBytes) {
  const std::vector<std::string> args = {"phrase", "--seed", "1", "--lock", "1-3,5", "--reroll", "--mutate", "2"};
  const Result mml = RunCli(args);
  ASSERT_EQ(mml.status, 0) << mml.err;
  EXPECT_EQ(mml.out, ReadFile(VOLEMO_CLI_GOLDEN_DIR "/seed1_lock_reroll_mutate.mml"));
  std::vector<std::string> withNotes = args;
  withNotes.push_back("--notes");
  EXPECT_EQ(RunCli(withNotes).out, ReadFile(VOLEMO_CLI_GOLDEN_DIR "/seed1_lock_reroll_mutate.notes"));
}

// A lock holds for the operations after it, not before.
TEST(Cli, PhraseOperationsRunInCommandLineOrder) {
  auto firstKey = [](const std::vector<std::string>& args) {
    const Result r = RunCli(args);
    EXPECT_EQ(r.status, 0) << r.err;
    return r.out.substr(0, r.out.find('\n'));
  };
  const std::string composed = firstKey({"phrase", "--seed", "4", "--notes"});
  EXPECT_EQ(composed, "1\t0\t24\t65\tF5\t0");
  EXPECT_EQ(firstKey({"phrase", "--seed", "4", "--lock", "1", "--reroll", "--notes"}), "1\t0\t24\t65\tF5\t1");
  EXPECT_EQ(firstKey({"phrase", "--seed", "4", "--reroll", "--lock", "1", "--notes"}), "1\t0\t24\t60\tC5\t1");
}

// The locked notes' lines stay as they were, the others' rhythm changes.
TEST(Cli, RhythmRerollKeepsTheLockedNotes) {
  const Result composed = RunCli({"phrase", "--seed", "4", "--lock", "1-3", "--notes"});
  const Result rerolled = RunCli({"phrase", "--seed", "4", "--lock", "1-3", "--reroll-rhythm", "--notes"});
  ASSERT_EQ(rerolled.status, 0) << rerolled.err;
  std::istringstream before(composed.out), after(rerolled.out);
  std::string a, b;
  for (int i = 0; i < 3 && std::getline(before, a) && std::getline(after, b); ++i) EXPECT_EQ(b, a);
  EXPECT_NE(rerolled.out, composed.out);
}

// A section's operations reach the notes of its bars only: re-rolling B
// leaves the A sections' lines as they were, a locked section holds through
// a re-roll, copying A over B gives both B sections A's notes.
TEST(Cli, SectionOperationsWorkOnTheirSections) {
  // Each section's notes (a bar each): start in the section, key, locked.
  auto sections = [](std::vector<std::string> extra) {
    std::vector<std::string> args = {"phrase", "--seed", "3", "--form", "ABAB", "--section-bars", "1", "--notes"};
    args.insert(args.end(), extra.begin(), extra.end());
    const Result r = RunCli(args);
    EXPECT_EQ(r.status, 0) << r.err;
    std::vector<std::vector<std::string>> cut(4);
    std::istringstream in(r.out);
    for (std::string number, start, sounding, key, name, locked; in >> number >> start >> sounding >> key >> name >> locked;)
      cut.at(std::stoul(start) / 1920).push_back(std::to_string(std::stoul(start) % 1920) + " " + key + " " + locked);
    return cut;
  };
  const auto composed = sections({});
  const auto rerolled = sections({"--reroll-section", "B"});
  EXPECT_EQ(rerolled[0], composed[0]);
  EXPECT_EQ(rerolled[2], composed[2]);
  EXPECT_EQ(rerolled[3], rerolled[1]);
  EXPECT_NE(rerolled[1], composed[1]);
  auto locked = sections({"--lock-section", "2", "--reroll"});
  for (std::string& line : locked[1]) line.back() = '0';
  EXPECT_EQ(locked[1], composed[1]);
  const auto copied = sections({"--copy-section", "1:B"});
  EXPECT_EQ(copied[1], composed[0]);
  EXPECT_EQ(copied[3], composed[0]);
}

// Each part's notes carry its name; an operation on one part leaves the
// others as they were; the chords table gives each bar's voicing.
TEST(Cli, PartsListTheirNotesAndWorkOnePartAtATime) {
  const std::vector<std::string> args = {"phrase", "--seed", "3", "--parts", "bass,chords,drums", "--chords",
                                         "I vi IV V", "--notes"};
  auto linesOf = [](const std::string& text, const std::string& part) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
      if (line.ends_with("\t" + part)) lines.push_back(line);
    return lines;
  };
  const Result composed = RunCli(args);
  ASSERT_EQ(composed.status, 0) << composed.err;
  std::vector<std::string> rerolled = args;
  rerolled.insert(rerolled.end(), {"--on", "bass", "--reroll"});
  const Result after = RunCli(rerolled);
  ASSERT_EQ(after.status, 0) << after.err;
  for (const std::string part : {"melody", "bass", "chords", "drums"}) {
    EXPECT_FALSE(linesOf(composed.out, part).empty()) << part;
    if (part != "bass") {
      EXPECT_EQ(linesOf(after.out, part), linesOf(composed.out, part)) << part;
    }
  }
  EXPECT_NE(linesOf(after.out, "bass"), linesOf(composed.out, "bass"));

  const Result table = RunCli({"phrase", "--seed", "3", "--chords", "I vi IV V", "--chords-table"});
  EXPECT_EQ(table.out,
            "1\t0\tC\t60\t60,64,67\n2\t1920\tAm\t69\t60,64,69\n"
            "3\t3840\tF\t65\t60,65,69\n4\t5760\tG\t67\t59,62,67\n");

  // A form with a progression for each letter: a bar a line, each section
  // from its letter's first chord.
  const Result sections = RunCli({"phrase", "--seed", "3", "--form", "ABA", "--section-bars", "1", "--chords",
                                  "A: IV V | B: vi", "--chords-table"});
  std::string symbols;
  std::istringstream lines(sections.out);
  for (std::string line; std::getline(lines, line);) {
    std::istringstream fields(line);
    std::string bar, tick, symbol;
    fields >> bar >> tick >> symbol;
    symbols += symbol + " ";
  }
  EXPECT_EQ(symbols, "F Am F ") << sections.out;
}

TEST(Cli, PatternHonoursSetOptionsInOrder) {
  const Result r = RunCli({"pattern", "--seed", "5", "--set", "spnPatternCount=9", "--set", "spnPatternCount=5"});
  ASSERT_EQ(r.status, 0) << r.err;
  ASSERT_EQ(r.out.size(), 6u) << r.out;
  EXPECT_EQ(r.out[4], ' ');
  EXPECT_EQ(RunCli({"pattern", "--seed", "5", "--pattern-length", "5"}).out, r.out);
}

TEST(Cli, SpinTextsReachTheHeaderAsTyped) {
  const Result r = RunCli({"phrase", "--seed", "1", "--set", "spnTempo=abc", "--no-voice", "--channel", "$3"});
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_TRUE(r.out.starts_with("Tempo=abc;Channel($3);\r\nv120l16[4 \r\n")) << r.out;
}

TEST(Cli, JapaneseScaleNameAndPatternArriveAsCp932) {
  // The Ryukyu scale on C has only C, E, F, G and B; "ク" is 0x83 0x4E,
  // whose trail byte reads as N.
  const Result r = RunCli({"phrase", "--seed", "9", "--scale", "琉球音階", "--pattern", "ク", "--steps", "64",
                        "--range", "C3-B6"});
  ASSERT_EQ(r.status, 0) << r.err;
  const std::string body = BodyOf(r.out);
  EXPECT_EQ(body.find_first_of("ad+"), std::string::npos) << body;
  EXPECT_EQ(std::count(body.begin(), body.end(), 'c') + std::count(body.begin(), body.end(), 'e') +
                std::count(body.begin(), body.end(), 'f') + std::count(body.begin(), body.end(), 'g') +
                std::count(body.begin(), body.end(), 'b'),
            64);
}

TEST(Cli, KeyAliasReappliesTheScaleLikeTheList) {
  const Result byName = RunCli({"phrase", "--seed", "3", "--key", "F#"});
  const Result byIndex = RunCli({"phrase", "--seed", "3", "--set", "cmbKey=6"});
  ASSERT_EQ(byName.status, 0) << byName.err;
  EXPECT_EQ(byName.out, byIndex.out);
  EXPECT_NE(byName.out, RunCli({"phrase", "--seed", "3"}).out);
}

TEST(Cli, RangeAliasReadsAccidentalsAcrossTheOctaveLikeTheNotesTheyName) {
  const Result spelled = RunCli({"phrase", "--seed", "3", "--range", "Cb4-B#4"});
  const Result plain = RunCli({"phrase", "--seed", "3", "--range", "B3-C5"});
  ASSERT_EQ(spelled.status, 0) << spelled.err;
  EXPECT_EQ(spelled.out, plain.out);
  EXPECT_NE(spelled.out, RunCli({"phrase", "--seed", "3", "--range", "B4-C4"}).out);
}

TEST(Cli, RandomWeightsComeAfterTheSetOptions) {
  const Result drawn = RunCli({"pattern", "--seed", "11", "--set", "scrP0=0", "--random-weights"});
  const Result drawnAgain = RunCli({"pattern", "--seed", "11", "--random-weights"});
  ASSERT_EQ(drawn.status, 0) << drawn.err;
  EXPECT_EQ(drawn.out, drawnAgain.out);  // the drawn weights replace the set one
}

TEST(Cli, MissingScaleFileWarnsThenReportsTheListIndexAndStillComposes) {
  const Result r = RunCli({"phrase", "--seed", "2", "--scale-file", "/nonexistent/Scale.dat", "--steps", "4"});
  ASSERT_EQ(r.status, 0) << r.err;
  const size_t warning = r.err.find("スケール定義ファイル\"/nonexistent/Scale.dat\"がありません。");
  const size_t listIndex = r.err.find("リストのインデックスが範囲を超えています (-1)");
  ASSERT_NE(warning, std::string::npos) << r.err;
  ASSERT_NE(listIndex, std::string::npos) << r.err;
  EXPECT_LT(warning, listIndex);
  EXPECT_NE(r.err.find("読み込みエラー"), std::string::npos);
  EXPECT_TRUE(r.out.ends_with("\r\n]"));
}

// File names reach the messages as they are (UTF-8, "é" included), the
// system's reason follows the sentence, and a FIFO given as the scale file
// is refused at once instead of waiting for a writer.
TEST(Cli, FilesThatCannotBeUsedAreNamedAsGiven) {
  char pattern[] = "/tmp/volemo-cli-files-XXXXXX";
  const fs::path dir = mkdtemp(pattern);
  ASSERT_EQ(mkfifo((dir / "fifo").c_str(), 0600), 0);
  fs::create_directory(dir / "é");
  std::ofstream(dir / "c.mml", std::ios::binary) << "o5c4";
  ASSERT_EQ(RunCli({"compile", (dir / "c.mml").string(), (dir / "c.mid").string()}).status, 0);
  const struct {
    std::vector<std::string> args;
    int status;
    std::string message;
  } cases[] = {
      {{"pattern", "--seed", "1", "--scale-file", (dir / "fifo").string()}, 0,
       "ファイル \"" + (dir / "fifo").string() + "\" は開けません。 通常のファイルではありません"},
      {{"pattern", "--seed", "1", "--scale-file", (dir / "é").string()}, 0,
       "ファイル \"" + (dir / "é").string() + "\" は開けません。 Is a directory"},
      {{"render", (dir / "c.mid").string(), (dir / "é" / "no" / "out.wav").string()}, 1,
       "\"" + (dir / "é" / "no" / "out.wav").string() + "\""},
  };
  for (const auto& c : cases) {
    const Result r = RunCli(c.args);
    EXPECT_EQ(r.status, c.status) << r.err;
    EXPECT_NE(r.err.find(c.message), std::string::npos) << r.err;
  }
  fs::remove_all(dir);
}

TEST(Cli, BadUsageExitsWithTwo) {
  for (const std::vector<std::string>& args : std::vector<std::vector<std::string>>{
           {},
           {"sing"},
           {"phrase", "--bogus"},
           {"phrase", "extra"},
           {"phrase", "--seed"},
           {"phrase", "--seed", "-1"},
           {"phrase", "--seed", "4294967296"},
           {"phrase", "--set", "spnNothing=1"},
           {"phrase", "--set", "spnTempo"},
           {"phrase", "--set", "scrP0=lots"},
           {"phrase", "--set", "chkVoice=2"},
           {"phrase", "--set", "cmbKey=12"},
           {"phrase", "--scale", "Nope"},
           {"phrase", "--key", "H"},
           {"phrase", "--range", "C4-B11"},
           {"phrase", "--range", "Cb1-C4"},  // B0: below the lowest octave
           {"phrase", "--pattern", "é"},
           {"batch", "--out", "/nonexistent/b"},
           {"batch", "--count", "0", "--out", "/nonexistent/b"},
           {"batch", "--count", "2", "--out", "/nonexistent/b", "--formats", "mid,ogg"},
           {"batch", "--count", "2", "--out", "/nonexistent/b", "--seed", "4294967295"},
           {"batch", "--count", "2", "--out", "/nonexistent/b", "--jobs", "0"},
           {"phrase", "--lock", "0"},
           {"phrase", "--lock", "3-1"},
           {"phrase", "--lock", "1,,2"},
           {"phrase", "--lock", "1-"},
           {"phrase", "--seed", "1", "--lock", "30-35"},  // 34 notes
           {"phrase", "--mutate", "-1"},
           {"phrase", "--mutate", "x"},
           {"phrase", "--length", "0", "--notes"},
           {"phrase", "--smoothness", "101"},
           {"phrase", "--max-leap", "0"},
           {"phrase", "--contour", "zigzag"},
           {"phrase", "--parts", "melody,piano"},
           {"phrase", "--chords", "I H V"},
           {"phrase", "--comping", "often"},
           {"phrase", "--on", "bass", "--reroll"},  // no bass without --parts
           {"phrase", "--parts", "bass", "--on", "bass", "--reroll-rhythm"},  // a part has no steps
           {"phrase", "--chords-table"},
           {"phrase", "--reroll-section", "1"},  // no form
           {"phrase", "--form", "ABAB", "--lock-section", "5"},
           {"phrase", "--form", "ABAB", "--reroll-section", "C"},
           {"phrase", "--form", "ABAB", "--copy-section", "1B"},
           {"phrase", "--form", "ABAB", "--parts", "bass", "--on", "bass", "--copy-section", "1:B"},
       }) {
    const Result r = RunCli(args);
    EXPECT_EQ(r.status, 2) << (args.empty() ? "" : args.back());
    EXPECT_EQ(r.out, "");
    EXPECT_FALSE(r.err.empty());
  }
}

// The drums' weights refused with the option's name and what is wrong.
TEST(Cli, DrumWeightsAreRefusedWithTheOptionAndTheReason) {
  const std::string fifteen = "0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,";
  const struct {
    std::string value, message;
  } cases[] = {
      {"snare:1,2", "--drums-weights takes 16 chances for snare, one a sixteenth, joined by commas, not 1,2\n"},
      {"hat:" + fifteen + "101", "--drums-weights takes 0 to 100, not 101\n"},
      {"hat:" + fifteen + "x", "--drums-weights must be an integer, not \"x\"\n"},
      {"tom:" + fifteen + "0", "--drums-weights takes INSTRUMENT:chance,chance,... (kick, snare, hat or open-hat) "
                               "separated by semicolons, not tom:"},
      {fifteen + "0", "--drums-weights takes INSTRUMENT:"},
  };
  for (const auto& c : cases) {
    const Result r = RunCli({"--lang", "en", "phrase", "--parts", "drums", "--drums-weights", c.value});
    EXPECT_EQ(r.status, 2) << c.value;
    EXPECT_NE(r.err.find(c.message), std::string::npos) << r.err;
  }
}

TEST(Cli, CompileWritesAMidiFileOrReportsTheCompilersMessage) {
  const fs::path dir = fs::temp_directory_path() / ("volemo-cli-compile-" + std::to_string(getpid()));
  fs::create_directories(dir);
  {
    std::ofstream(dir / "good.mml", std::ios::binary) << "Tempo=120;o5c4";
    std::ofstream(dir / "bad.mml", std::ios::binary) << "o5c\r\nc x";
  }
  Result r = RunCli({"compile", (dir / "good.mml").string(), (dir / "good.mid").string()});
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_TRUE(ReadFile(dir / "good.mid").starts_with("MThd"));

  r = RunCli({"compile", (dir / "bad.mml").string(), (dir / "bad.mid").string()});
  EXPECT_EQ(r.status, 1);
  EXPECT_NE(r.err.find("2行目 3文字目"), std::string::npos) << r.err;
  EXPECT_FALSE(fs::exists(dir / "bad.mid"));

  r = RunCli({"phrase", "--seed", "5", "--mid", (dir / "phrase.mid").string()});
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_NE(r.out.find("[4 "), std::string::npos);
  EXPECT_TRUE(ReadFile(dir / "phrase.mid").starts_with("MThd"));

  EXPECT_EQ(RunCli({"compile", (dir / "good.mml").string()}).status, 2);
  EXPECT_EQ(RunCli({"compile", (dir / "missing.mml").string(), (dir / "m.mid").string()}).status, 1);
  fs::remove_all(dir);
}

// A new folder under the system's temporary one, removed with all in it.
struct ScratchDir {
  fs::path path;
  ScratchDir() {
    std::string pattern = (fs::temp_directory_path() / "volemo-cli-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("mkdtemp failed");
    path = pattern;
  }
  ~ScratchDir() { fs::remove_all(path); }
  std::string operator/(const std::string& name) const { return (path / name).string(); }
  std::vector<std::string> Names() const {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(path)) names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
  }
};

void WriteFile(const std::string& path, const std::string& bytes) { std::ofstream(path, std::ios::binary) << bytes; }

// Whether the process has a file in dir open for writing: named, or without
// a name yet ("dir/#inode (deleted)").
bool WritesAFileIn(pid_t pid, const fs::path& dir) {
  const std::string proc = "/proc/" + std::to_string(pid);
  std::error_code ec;
  for (const auto& fd : fs::directory_iterator(proc + "/fd", ec)) {
    if (!fs::read_symlink(fd.path(), ec).string().starts_with(dir.string() + "/")) continue;
    std::ifstream info(proc + "/fdinfo/" + fd.path().filename().string());
    std::string field;
    int flags = 0;
    while (info >> field && field != "flags:") {}
    if (info >> std::oct >> flags && (flags & O_ACCMODE) != O_RDONLY) return true;
  }
  return false;
}

// Starts volemo-cli (its output thrown away, the interrupts at their
// defaults) and returns its process id once it writes a file in dir, or has
// ended, or a minute has passed.
pid_t StartCliUntilItWritesAFileIn(const std::vector<std::string>& args, const fs::path& dir) {
  std::vector<std::string> words = {VOLEMO_CLI};
  words.insert(words.end(), args.begin(), args.end());
  std::vector<char*> argv;
  for (std::string& w : words) argv.push_back(w.data());
  argv.push_back(nullptr);
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
  posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
  posix_spawnattr_t attributes;
  posix_spawnattr_init(&attributes);
  sigset_t defaults;
  sigemptyset(&defaults);
  for (const int signal : {SIGINT, SIGTERM, SIGHUP}) sigaddset(&defaults, signal);
  posix_spawnattr_setsigdefault(&attributes, &defaults);
  posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETSIGDEF);
  pid_t pid = -1;
  EXPECT_EQ(posix_spawn(&pid, VOLEMO_CLI, &actions, &attributes, argv.data(), environ), 0);
  posix_spawn_file_actions_destroy(&actions);
  posix_spawnattr_destroy(&attributes);
  for (int slice = 0; slice < 60000 && !WritesAFileIn(pid, dir); ++slice) {
    siginfo_t info{};
    if (waitid(P_PID, pid, &info, WEXITED | WNOHANG | WNOWAIT) == 0 && info.si_pid == pid) break;
    usleep(1000);
  }
  return pid;
}

int WaitFor(pid_t pid) {
  int status = 0;
  waitpid(pid, &status, 0);
  return status;
}

// MML of notes for hours: piano, four whole notes at a time.
std::string LongPiece(int wholeNotes) { return "t120 l1 [" + std::to_string(wholeNotes / 4) + " cegc]"; }

TEST(Cli, CompileReportsNulBytesAtTheirPlaceAndFilesItCannotReadWithTheSystemsReason) {
  const ScratchDir dir;
  fs::create_directory(dir.path / "folder.mml");
  WriteFile(dir / "nul.mml", std::string("c d\0e f", 7));
  WriteFile(dir / "nul2.mml", std::string("c\r\n\x83\x41 \x81 \0", 9));  // ア, then a lone lead byte
  struct Case {
    std::string in, message;
  };
  for (const Case& c : {Case{"nul.mml", "1行目 4文字目: NUL バイト \"<00>\" は MML に書けません。\n"},
                        Case{"nul2.mml", "2行目 5文字目: NUL バイト \"<00>\" は MML に書けません。\n"},
                        Case{"folder.mml", "volemo-cli compile: MML ファイル \"" + (dir / "folder.mml") +
                                               "\" を読み込めません。 Is a directory\n"},
                        Case{"missing.mml", "volemo-cli compile: MML ファイル \"" + (dir / "missing.mml") +
                                                "\" を開けません。 No such file or directory\n"}}) {
    const Result r = RunCli({"compile", dir / c.in, dir / "out.mid"});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err, c.message);
    EXPECT_FALSE(fs::exists(dir / "out.mid"));
  }
}

// Each command writes its file under a temporary name or none: an interrupt
// waits for it to be put in place (compile), or stops the work and lets it
// go (render), then ends the program as it would have.
TEST(Cli, InterruptsWhileWritingLeaveNoTemporaryFileBehind) {
  const ScratchDir dir;
  WriteFile(dir / "in.mml", "l64 [500 [1000 c]]");  // a million events: a file of megabytes
  ASSERT_EQ(RunCli({"compile", dir / "in.mml", dir / "out.mid"}).status, 0);
  const std::string compiled = ReadFile(dir / "out.mid");
  fs::remove(dir / "out.mid");
  WriteFile(dir / "long.mml", LongPiece(4000));
  ASSERT_EQ(RunCli({"compile", dir / "long.mml", dir / "in.mid"}).status, 0);
  fs::remove(dir / "long.mml");
  for (const int signal : {SIGINT, SIGTERM, SIGHUP}) {
    SCOPED_TRACE(signal);
    pid_t pid = StartCliUntilItWritesAFileIn({"compile", dir / "in.mml", dir / "out.mid"}, dir.path);
    kill(pid, signal);
    int status = WaitFor(pid);
    // The compile may have ended before the signal came.
    EXPECT_TRUE((WIFSIGNALED(status) && WTERMSIG(status) == signal) || status == 0) << status;
    EXPECT_EQ(ReadFile(dir / "out.mid"), compiled);
    fs::remove(dir / "out.mid");

    pid = StartCliUntilItWritesAFileIn({"render", dir / "in.mid", dir / "out.wav"}, dir.path);
    kill(pid, signal);
    status = WaitFor(pid);
    EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == signal) << status;
    EXPECT_EQ(dir.Names(), (std::vector<std::string>{"in.mid", "in.mml"}));
  }
}

// Hours of music to a disk that is full at once: the render ends at the
// first write that fails, long before the CPU time it is given runs out.
TEST(Cli, RenderToAFullDiskStopsAtTheFirstFailedWriteWithTheSystemsReason) {
  const ScratchDir dir;
  WriteFile(dir / "long.mml", LongPiece(10800));  // six hours
  ASSERT_EQ(RunCli({"compile", dir / "long.mml", dir / "in.mid"}).status, 0);
  const Result r = RunCli({"render", dir / "in.mid", dir / "out.wav"}, "trap '' XFSZ; ulimit -f 64; ulimit -t 30; exec ");
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.err, "volemo-cli: ファイル \"" + (dir / "out.wav") + "\" を書き込めません。 File too large\n");
  EXPECT_EQ(dir.Names(), (std::vector<std::string>{"in.mid", "long.mml"}));
}

// The first render is held still while its file is open and the second
// runs to its end: the first, put in place last, stands whole.
TEST(Cli, TwoRendersToOneFileAtOnceEachWriteTheirOwn) {
  const ScratchDir dir;
  WriteFile(dir / "a.mml", LongPiece(60));
  WriteFile(dir / "b.mml", "t120 l4 dfa");
  ASSERT_EQ(RunCli({"compile", dir / "a.mml", dir / "a.mid"}).status, 0);
  ASSERT_EQ(RunCli({"compile", dir / "b.mml", dir / "b.mid"}).status, 0);
  ASSERT_EQ(RunCli({"render", dir / "a.mid", dir / "a.wav"}).status, 0);

  const pid_t first = StartCliUntilItWritesAFileIn({"render", dir / "a.mid", dir / "out.wav"}, dir.path);
  kill(first, SIGSTOP);
  const Result second = RunCli({"render", dir / "b.mid", dir / "out.wav"});
  kill(first, SIGCONT);
  const int status = WaitFor(first);
  EXPECT_EQ(second.status, 0) << second.err;
  EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << status;
  EXPECT_TRUE(ReadFile(dir / "out.wav") == ReadFile(dir / "a.wav"));
  EXPECT_EQ(dir.Names(), (std::vector<std::string>{"a.mid", "a.mml", "a.wav", "b.mid", "b.mml", "out.wav"}));
}

TEST(Cli, PlayWhoseSoundOutputFailsEndsWithTheReason) {
  setenv("VOLEMO_AUDIO_DRIVER", "file", 1);
  setenv("VOLEMO_AUDIO_FILE", "/dev/full", 1);
  const Result r = RunCli({"phrase", "--seed", "1", "--play"});
  unsetenv("VOLEMO_AUDIO_DRIVER");
  unsetenv("VOLEMO_AUDIO_FILE");
  EXPECT_EQ(r.status, 1);
  EXPECT_NE(r.err.find("演奏中に音声出力が止まりました。 file: /dev/full: "), std::string::npos) << r.err;
}

TEST(Cli, PhrasePlaysToItsEndAndRendersToWav) {
  const fs::path dir = fs::temp_directory_path() / ("volemo-cli-play-" + std::to_string(getpid()));
  fs::create_directories(dir);
  setenv("VOLEMO_AUDIO_DRIVER", "file", 1);
  Result r = RunCli({"phrase", "--seed", "9", "--steps", "4", "--tempo", "300", "--play", "--wav",
                     (dir / "p.wav").string(), "--mid", (dir / "p.mid").string()});
  unsetenv("VOLEMO_AUDIO_DRIVER");
  EXPECT_EQ(r.status, 0) << r.err;
  const std::string wav = ReadFile(dir / "p.wav");
  EXPECT_TRUE(wav.starts_with("RIFF") && wav.find("WAVE") == 8) << wav.size();

  r = RunCli({"render", (dir / "p.mid").string(), (dir / "again.wav").string()});
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(ReadFile(dir / "again.wav"), wav);

  r = RunCli({"render", (dir / "p.mid").string(), (dir / "again.OGG").string()});
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_TRUE(ReadFile(dir / "again.OGG").starts_with("OggS"));

  r = RunCli({"render", (dir / "p.wav").string(), (dir / "no.wav").string()});
  EXPECT_EQ(r.status, 1);
  EXPECT_NE(r.err.find("MIDI"), std::string::npos) << r.err;
  EXPECT_FALSE(fs::exists(dir / "no.wav"));
  r = RunCli({"render", (dir / "p.mid").string(), (dir / "no.mp3").string()});
  EXPECT_EQ(r.status, 1);
  EXPECT_NE(r.err.find(".wav, .flac か .ogg"), std::string::npos) << r.err;
  EXPECT_FALSE(fs::exists(dir / "no.mp3"));
  fs::remove_all(dir);
}

// The file sink keeps the phrase once it has ended, for a player to play it
// afterwards: the sound up to its end, no more.
TEST(Cli, PlayIntoTheFileSinkLeavesThePhrasesSoundInTheFile) {
  const ScratchDir dir;
  const Result r = RunCli({"phrase", "--seed", "9", "--steps", "4", "--tempo", "300", "--play"},
                          "export VOLEMO_AUDIO_DRIVER=file VOLEMO_AUDIO_FILE='" + dir / "sink.raw" + "'; exec ");
  EXPECT_EQ(r.status, 0) << r.err;
  const std::string sound = ReadFile(dir / "sink.raw");
  EXPECT_GT(sound.size(), size_t{44100 * 4 / 2});  // more than half a second
  EXPECT_NE(sound.find_first_not_of('\0'), std::string::npos) << "silent";
}

TEST(Cli, BrokenPlaybackModuleFailsOnlyWhatSoundsWithAMessage) {
  // A copy of the program with a module beside it that is no library.
  const fs::path dir = fs::temp_directory_path() / ("volemo-cli-module-" + std::to_string(getpid()));
  fs::create_directories(dir);
  fs::copy_file(VOLEMO_CLI, dir / "volemo-cli");
  for (const char* file : {"Scale.dat", "libdvorlin.so.1"})
    fs::copy_file(fs::path(VOLEMO_CLI).parent_path() / file, dir / file);
  std::ofstream(dir / "libvolemo-playback.so") << "not a library";
  const std::string cli = (dir / "volemo-cli").string();
  const std::string err = (dir / "err").string();
  EXPECT_EQ(std::system((cli + " phrase --seed 1 --mid " + (dir / "p.mid").string() + " >/dev/null").c_str()), 0);
  const int raw = std::system((cli + " render " + (dir / "p.mid").string() + " " + (dir / "p.wav").string() +
                               " 2>" + err).c_str());
  EXPECT_EQ(WEXITSTATUS(raw), 1);
  EXPECT_NE(ReadFile(err).find("再生モジュールを読み込めません。"), std::string::npos) << ReadFile(err);
  EXPECT_NE(ReadFile(err).find("libvolemo-playback.so"), std::string::npos) << ReadFile(err);
  EXPECT_FALSE(fs::exists(dir / "p.wav"));
  fs::remove_all(dir);
}

// The lists are what the options take: every listed scale name is one
// --scale picks, and every listed control set to its listed default leaves
// the phrase as it is.
TEST(Cli, ScalesAndControlsListWhatTheOptionsTake) {
  const Result scales = RunCli({"scales"});
  ASSERT_EQ(scales.status, 0) << scales.err;
  std::istringstream names(scales.out);
  int count = 0;
  for (std::string name; std::getline(names, name); ++count) {
    if (count % 7 != 0) continue;
    EXPECT_EQ(RunCli({"pattern", "--seed", "1", "--scale", name}).status, 0) << name;
  }
  EXPECT_GT(count, 14);
  EXPECT_TRUE(scales.out.starts_with("Major\n")) << scales.out;
  EXPECT_NE(scales.out.find("\n琉球音階\n"), std::string::npos);

  const Result controls = RunCli({"controls"});
  ASSERT_EQ(controls.status, 0) << controls.err;
  const std::string plain = RunCli({"phrase", "--seed", "5"}).out;
  std::istringstream rows(controls.out);
  std::string row;
  std::getline(rows, row);  // the heading
  int listed = 0;
  for (std::string name, range, initial; rows >> name >> range >> initial; ++listed) {
    std::getline(rows, row);
    EXPECT_FALSE(row.empty()) << name << ": no meaning";
    const Result set = RunCli({"phrase", "--seed", "5", "--set", name + "=" + initial});
    EXPECT_EQ(set.status, 0) << name << set.err;
    EXPECT_EQ(set.out, plain) << name;
  }
  EXPECT_EQ(listed, 39);
}

TEST(Cli, ScaleNameMatchesInAnyLetterCaseOnlyWhenOneScaleCouldBeMeant) {
  char pattern[] = "/tmp/volemo-cli-scales-XXXXXX";
  const fs::path dir = mkdtemp(pattern);
  const std::string file = (dir / "Scale.dat").string();
  std::ofstream(file, std::ios::binary) << "Major\r\nA06085090604\r\n\r\nDorian\r\nA05806090660\r\n\r\n"
                                           "Blues\r\nA00807090070\r\n\r\nBLUES\r\nA60805095060\r\n\r\n";
  const auto run = [&](const std::string& scale) {
    return RunCli({"phrase", "--seed", "4", "--scale-file", file, "--scale", scale});
  };
  const struct {
    std::string given, same;  // same: the exact name it picks, or empty for bad usage
  } cases[] = {
      {"dorian", "Dorian"}, {"DORIAN", "Dorian"}, {"Blues", "Blues"}, {"BLUES", "BLUES"}, {"blues", ""}, {"Dorians", ""},
  };
  for (const auto& c : cases) {
    const Result r = run(c.given);
    if (c.same.empty()) {
      EXPECT_EQ(r.status, 2) << c.given;
      EXPECT_NE(r.err.find("\"" + c.given + "\""), std::string::npos) << r.err;
    } else {
      ASSERT_EQ(r.status, 0) << c.given << r.err;
      EXPECT_EQ(r.out, run(c.same).out) << c.given;
    }
  }
  EXPECT_NE(run("Blues").out, run("BLUES").out);
  fs::remove_all(dir);
}

TEST(Cli, HelpAndVersion) {
  for (const char* command : {"phrase", "pattern", "batch"}) {
    const Result r = RunCli({command, "--help"});
    EXPECT_EQ(r.status, 0);
    EXPECT_NE(r.out.find("--scale-file"), std::string::npos);
  }
  EXPECT_EQ(RunCli({"--help"}).status, 0);
  const Result v = RunCli({"--version"});
  EXPECT_EQ(v.status, 0);
  EXPECT_TRUE(v.out.starts_with("volemo-cli ")) << v.out;
}

}  // namespace
}  // namespace volemo

namespace volemo {
namespace {

// The engine's messages follow --lang or VOLEMO_LANG; the phrase written
// never does.
TEST(Cli, MessagesFollowTheLanguageAndThePhraseDoesNot) {
  const auto missingScales = [](std::vector<std::string> head) {
    for (const char* word : {"phrase", "--seed", "5", "--scale-file", "/nonexistent/Scale.dat"}) head.push_back(word);
    return RunCli(head).err;
  };
  const std::string japanese = missingScales({});
  const std::string english = missingScales({"--lang", "en"});
  setenv("VOLEMO_LANG", "en", 1);
  const std::string fromEnvironment = missingScales({});
  unsetenv("VOLEMO_LANG");
  EXPECT_NE(japanese.find("読み込みエラー: スケール定義ファイル\"/nonexistent/Scale.dat\"がありません。"), std::string::npos)
      << japanese;
  EXPECT_NE(english.find("Read error: The scale file \"/nonexistent/Scale.dat\" is missing."), std::string::npos)
      << english;
  EXPECT_EQ(fromEnvironment, english);

  const Result phrase = RunCli({"phrase", "--seed", "5", "--scale", "都節音階"});
  ASSERT_EQ(phrase.status, 0) << phrase.err;
  EXPECT_EQ(RunCli({"--lang", "en", "phrase", "--seed", "5", "--scale", "都節音階"}).out, phrase.out);
  EXPECT_EQ(RunCli({"--lang", "fr", "phrase"}).status, 2);
}

}  // namespace
}  // namespace volemo

namespace volemo {
namespace {

// True when text (UTF-8) holds kana, kanji or full-width forms.
bool HasJapanese(const std::string& text) {
  for (size_t i = 0; i < text.size(); ++i) {
    const auto b = static_cast<unsigned char>(text[i]);
    if (b >= 0xE3 && b <= 0xE9) return true;
    if (b == 0xEF && i + 1 < text.size() && (static_cast<unsigned char>(text[i + 1]) & 0xFE) == 0xBC) return true;
  }
  return false;
}

// The help, a usage error and the messages of the compiler, of learning and
// of the MIDI reader, each in Japanese by default and in English with --lang en.
TEST(Cli, HelpAndLibraryMessagesInEitherLanguage) {
  const fs::path dir = fs::temp_directory_path() / ("volemo-cli-lang-" + std::to_string(getpid()));
  fs::create_directories(dir);
  const std::string mml = (dir / "bad.mml").string(), mid = (dir / "out.mid").string();
  const std::string format2 = (dir / "format2.mid").string(), cut = (dir / "cut.mid").string();
  std::ofstream(mml, std::ios::binary) << "c x\r\nc8 q\r\n";
  std::ofstream(format2, std::ios::binary) << std::string("MThd\0\0\0\6\0\2\0\1\0\x60MTrk\0\0\0\4\0\xFF\x2F\0", 26);
  std::ofstream(cut, std::ios::binary) << std::string("MThd\0\0\0\6\0\1\0\1\0\x60MTrk\0\0\0\3\0\x90\x3C", 25);
  const struct {
    std::vector<std::string> args;
    bool onStdout;
    std::string japanese, english;
  } cases[] = {
      {{"--help"}, true, "使い方: volemo-cli [--lang ja|en] COMMAND [OPTIONS]\n", "Usage: volemo-cli [--lang ja|en] COMMAND [OPTIONS]\n"},
      {{"phrase", "--help"}, true, "\n  --seed N              乱数の種（0～4294967295）。既定: 時計から\n",
       "\n  --seed N              seed the random source (0 to 4294967295); default: the clock\n"},
      {{"phrase", "--bogus"}, false, "--bogus は不明なオプションです\n'volemo-cli phrase --help' を見てください。\n",
       "unknown option --bogus\nTry 'volemo-cli phrase --help'.\n"},
      {{"compile", mml, mid}, false, "1行目 3文字目: \"x\" は未定義の命令です。\r\n2行目 4文字目: \"q\" の後に数がありません。\n",
       "Line 1, column 3: \"x\" is no command.\r\nLine 2, column 4: \"q\" needs a number after it.\n"},
      {{"learn", format2}, false, "\"" + format2 + "\": 形式 2 の MIDI ファイル（別々の曲の集まり）からは学べません。\n",
       "\"" + format2 + "\": cannot learn from a MIDI file of format 2 (a collection of separate pieces).\n"},
      {{"learn", cut}, false, "\"" + cut + "\": MIDI ファイルとして読めません（トラック 1 が途中で切れています）。\n",
       "\"" + cut + "\": Cannot read it as a MIDI file (track 1 is cut short).\n"},
  };
  for (const auto& c : cases) {
    std::vector<std::string> english = {"--lang", "en"};
    english.insert(english.end(), c.args.begin(), c.args.end());
    const Result ja = RunCli(c.args), en = RunCli(english);
    const std::string& jaText = c.onStdout ? ja.out : ja.err;
    const std::string& enText = c.onStdout ? en.out : en.err;
    EXPECT_NE(jaText.find(c.japanese), std::string::npos) << jaText;
    EXPECT_NE(enText.find(c.english), std::string::npos) << enText;
    EXPECT_FALSE(HasJapanese(enText)) << enText;
    EXPECT_EQ(ja.status, en.status) << c.args.front();
  }
  fs::remove_all(dir);
}

}  // namespace
}  // namespace volemo
