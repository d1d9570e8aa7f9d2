// Runs the built tarvik-plans on files made here and checks its output and exit codes.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <sys/wait.h>
#include <unistd.h>

#include "core/plan_record.h"

namespace {

namespace fs = std::filesystem;

struct ToolRun {
    int code = -1;
    std::string out;
    std::string err;
};

class Tool : public ::testing::Test {
protected:
    fs::path dir = fs::temp_directory_path() / ("tarvik_tool_" + std::to_string(::getpid()) + "_" +
                                                ::testing::UnitTest::GetInstance()->current_test_info()->name());
    void SetUp() override { fs::create_directories(dir); }
    void TearDown() override { fs::remove_all(dir); }

    std::string path(const std::string& name) const { return (dir / name).string(); }
    std::string write(const std::string& name, const std::string& bytes) const
    {
        std::ofstream(path(name), std::ios::binary) << bytes;
        return path(name);
    }
    static std::string slurp(const std::string& p)
    {
        std::ifstream in(p, std::ios::binary);
        std::stringstream s;
        s << in.rdbuf();
        return s.str();
    }
    ToolRun run(const std::string& args) const
    {
        const std::string out = path("stdout");
        const std::string err = path("stderr");
        const std::string command = std::string(TARVIK_PLANS_TOOL) + " " + args + " >" + out + " 2>" + err;
        const int status = std::system(command.c_str());
        return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, slurp(out), slurp(err)};
    }
};

const std::string kWater =
    "plan\nde: Wasser\nen: Water\nlegend H = atom H -r\nlegend O = atom O -l -r\nlegend h = atom H -l\n"
    "board:\n"
    "H.O...........h\n"
    "...............\n...............\n...............\n...............\n...............\n"
    "...............\n...............\n...............\n...............\n...............\n"
    "...............\n...............\n...............\n..............#\n"
    "molecule:\nHOh\nend\n";

TEST_F(Tool, InfoListsThePlans)
{
    const std::string src = write("w.plan", kWater + kWater);
    ASSERT_EQ(run("compile " + src + " -o " + path("w.dat")).code, 0);
    const ToolRun r = run("info " + path("w.dat"));
    EXPECT_EQ(r.code, 0);
    EXPECT_EQ(r.out, "plans: 2\n1: 3x1, 3 atoms, Water\n2: 3x1, 3 atoms, Water\n");
}

TEST_F(Tool, UnloadableFilesGiveTheGamesFileError)
{
    const std::string shortFile = write("short.dat", std::string(772, 'x'));
    const std::string empty = write("empty.dat", "");
    for (const std::string& file : {shortFile, empty, path("missing.dat")}) {
        const ToolRun r = run("info " + file);
        EXPECT_EQ(r.code, 1) << file;
        EXPECT_EQ(r.err, "Fileerror with file " + file + ".\n");
        EXPECT_TRUE(r.out.empty());
        EXPECT_NE(run("check " + file).code, 0);
        EXPECT_NE(run("decompile " + file).code, 0);
        EXPECT_NE(run("play " + file + " 1").code, 0);
    }
}

TEST_F(Tool, CheckReportsEachBrokenPlan)
{
    tarvik::PlanRecord good;
    tarvik::PlanRecord bad;
    bad.molHeight = 16;
    bad.atomKind[3] = 1;
    bad.atomCol[3] = 200;
    const auto g = tarvik::encodePlanRecord(good);
    const auto b = tarvik::encodePlanRecord(bad);
    const std::string file = write("mixed.dat", std::string(g.begin(), g.end()) + std::string(b.begin(), b.end()) +
                                                    std::string(100, '\0'));
    const ToolRun r = run("check " + file);
    EXPECT_EQ(r.code, 1);
    EXPECT_EQ(r.out, "plan 2: molHeight 16 is outside 1..15; slot 3 at column 200, row 0 lies outside the 1 x 16 molecule\n");
    const std::string clean = write("clean.dat", std::string(g.begin(), g.end()));
    EXPECT_EQ(run("check " + clean).code, 0);
    EXPECT_EQ(run("check " + clean).out, "");
    // The game mends the broken plan and keeps it in its place.
    EXPECT_EQ(run("info " + file).out, "plans: 2\n1: 1x1, 0 atoms, \n2: 1x15, 0 atoms, \n");
}

TEST_F(Tool, PlayAppliesTheWindowsHandlers)
{
    ASSERT_EQ(run("compile " + write("w.plan", kWater) + " -o " + path("w.dat")).code, 0);
    const ToolRun r = run("play " + path("w.dat") + " 1 down:14,0 push:left down:3,0 down:0,0 push:right down:7,7");
    EXPECT_EQ(r.code, 0) << r.err;
    std::istringstream lines(r.out);
    std::string first;
    std::getline(lines, first);
    EXPECT_EQ(first, "0 1 2 3 0 0 0 0 0 0 0 0 0 0 0");
    std::string line;
    int rows = 1;
    std::string last;
    while (std::getline(lines, line)) {
        ++rows;
        last = line;
    }
    EXPECT_EQ(rows, 16);
    EXPECT_EQ(last, "state: solved");

    EXPECT_NE(run("play " + path("w.dat") + " 1 down:0,0").out.find("state: carrying"), std::string::npos);
    EXPECT_NE(run("play " + path("w.dat") + " 1 down:0,0 push:down down:0,0").out.find("state: idle"),
              std::string::npos);
}

TEST_F(Tool, PlayRejectsBadNumbersAndActions)
{
    ASSERT_EQ(run("compile " + write("w.plan", kWater) + " -o " + path("w.dat")).code, 0);
    for (const std::string args : {"0", "2", "x", "1 down:1", "1 down:a,b", "1 push:diagonal", "1 up:1,1",
                                    "1 down:1,1,1", "1 down:99999999999,1", "1 down:15,0", "1 down:0,15",
                                    "1 down:-1,3", "1 down:3,-1", "1 down:14,14 down:20,2"}) {
        const ToolRun r = run("play " + path("w.dat") + " " + args);
        EXPECT_EQ(r.code, 2) << args;
        EXPECT_FALSE(r.err.empty()) << args;
        EXPECT_TRUE(r.out.empty()) << args;
    }
}

TEST_F(Tool, DecompileThenCompileGivesTheSameBytes)
{
    ASSERT_EQ(run("compile " + write("w.plan", kWater) + " -o " + path("w.dat")).code, 0);
    tarvik::PlanRecord odd;
    odd.molWidth = 0;
    odd.setCell(1, 1, 9);
    const auto o = tarvik::encodePlanRecord(odd);
    // The shipped plans fill the file's 500 places; two of them make room for ours.
    const std::string shipped = slurp(TARVIK_LEVEL_DATA);
    const std::string all = slurp(path("w.dat")) + std::string(o.begin(), o.end()) +
                            shipped.substr(0, std::min(shipped.size(), std::size_t{498} * tarvik::kPlanRecordSize));
    write("all.dat", all);
    ASSERT_EQ(run("decompile " + path("all.dat") + " -o " + path("back.plan")).code, 0);
    ASSERT_EQ(run("compile " + path("back.plan") + " -o " + path("again.dat")).code, 0);
    EXPECT_EQ(slurp(path("again.dat")), all);
}

TEST_F(Tool, MalformedInputNeverCrashes)
{
    std::string noise;
    for (int i = 0; i < 5000; ++i) noise += static_cast<char>((i * 7919 + 13) % 256);
    const std::string garbage = write("garbage", noise);
    const ToolRun compile = run("compile " + garbage + " -o " + path("x.dat"));
    EXPECT_EQ(compile.code, 1);
    EXPECT_FALSE(compile.err.empty());
    EXPECT_FALSE(fs::exists(path("x.dat")));
    // Random bytes are a level data file of six plans with broken invariants.
    EXPECT_EQ(run("info " + garbage).code, 0);
    EXPECT_EQ(run("check " + garbage).code, 1);
    EXPECT_EQ(run("play " + garbage + " 3 down:1,1 push:up push:left down:2,2").code, 0);
    EXPECT_EQ(run("decompile " + garbage + " -o " + path("g.plan")).code, 0);

    EXPECT_EQ(run("").code, 2);
    EXPECT_EQ(run("frobnicate").code, 2);
    EXPECT_EQ(run("compile " + garbage).code, 2);
    EXPECT_EQ(run("compile -o " + path("y.dat")).code, 2);
    EXPECT_EQ(run("info").code, 2);
    EXPECT_EQ(run("compile " + path("missing.plan") + " -o " + path("z.dat")).code, 1);
    EXPECT_EQ(run("compile " + write("none.plan", "# nothing\n") + " -o " + path("z.dat")).code, 1);
}

}  // namespace

TEST_F(Tool, RenderWritesTheGamesPictureOfAPlan)
{
    const ToolRun ok = run(std::string("render ") + TARVIK_LEVEL_DATA + " 1 -o " + path("one.png"));
    EXPECT_EQ(ok.code, 0) << ok.err;
    const std::string png = slurp(path("one.png"));
    ASSERT_GT(png.size(), 24u);
    EXPECT_EQ(png.substr(1, 3), "PNG");
    // Width and height stand big-endian in the header chunk.
    auto word = [&](std::size_t at) {
        return (std::uint8_t(png[at]) << 24) | (std::uint8_t(png[at + 1]) << 16) | (std::uint8_t(png[at + 2]) << 8) | std::uint8_t(png[at + 3]);
    };
    EXPECT_EQ(word(16), 650u);
    EXPECT_EQ(word(20), 470u);
    const ToolRun missing = run(std::string("render ") + TARVIK_LEVEL_DATA + " 501 -o " + path("no.png"));
    EXPECT_EQ(missing.code, 1);
    EXPECT_NE(missing.err.find("there is no plan 501"), std::string::npos);
    EXPECT_FALSE(fs::exists(path("no.png")));
    EXPECT_EQ(run("render " + path("absent.dat") + " 1 -o " + path("x.png")).code, 1);
    EXPECT_EQ(run(std::string("render ") + TARVIK_LEVEL_DATA + " 1").code, 2);
}

// A generated plan records the command that made it; pasted into a shell it
// must make the same plan again, even when the notation holds '=' or '('.
TEST_F(Tool, GeneratedPlansRecordACommandThatRunsAgain)
{
    for (const std::string notation : {"'O=C=O'", "'OC(O)=O'"}) {
        const ToolRun first = run("generate molecule " + notation + " --min 1 --max 6 --size 5 --seed 3");
        ASSERT_EQ(first.code, 0) << first.err;
        const std::string marker = "# generate molecule ";
        const std::size_t at = first.out.find(marker);
        ASSERT_NE(at, std::string::npos) << first.out;
        const std::string recorded = first.out.substr(at + 2, first.out.find('\n', at) - at - 2);
        const ToolRun again = run(recorded);
        EXPECT_EQ(again.code, 0) << recorded << "\n" << again.err;
        EXPECT_EQ(again.out, first.out) << recorded;
        EXPECT_EQ(first.out.find(" 1 moves ("), std::string::npos);
    }
}
