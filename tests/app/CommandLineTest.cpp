// The command line as a player or a script types it: every seed the help
// promises, the exit statuses scripts rely on, and one line for a mistake.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "app/CommandLine.h"

using orv::app::CommandLine;
using orv::app::ReadCommandLine;

namespace {

struct Read {
    CommandLine line;
    std::string out, err;
};

Read read(std::vector<std::string> args) {
    args.insert(args.begin(), "orvalis");
    std::vector<char*> argv;
    for (std::string& a : args) argv.push_back(a.data());
    std::FILE* out = std::tmpfile();
    std::FILE* err = std::tmpfile();
    Read r{ReadCommandLine(int(argv.size()), argv.data(), out, err), {}, {}};
    for (auto [file, text] : {std::pair{out, &r.out}, std::pair{err, &r.err}}) {
        std::rewind(file);
        for (int c; (c = std::fgetc(file)) != EOF;) text->push_back(char(c));
        std::fclose(file);
    }
    return r;
}

}  // namespace

TEST(CommandLine, SeedsFromZeroToTheLargestTheHelpPromises) {
    for (auto [arg, seed] :
         {std::pair{"0", 0u}, std::pair{"4294967295", 4294967295u}, std::pair{"0000000042", 42u}}) {
        for (const std::vector<std::string>& args :
             {std::vector<std::string>{"--seed", arg}, {std::string("--seed=") + arg}}) {
            const Read r = read(args);
            EXPECT_FALSE(r.line.exitStatus) << arg << ": " << r.err;
            EXPECT_EQ(r.line.seed, seed) << arg;
        }
    }
    for (const char* bad : {"4294967296", "-1", "12a", "", "99999999999"}) {
        const Read r = read({"--seed", bad});
        EXPECT_EQ(r.line.exitStatus, 2) << bad;
        EXPECT_NE(r.err.find("--seed"), std::string::npos) << r.err;
        EXPECT_TRUE(r.out.empty());
    }
}

TEST(CommandLine, HelpAndVersionEndWithStatusZeroOnStandardOutput) {
    const Read version = read({"--version"});
    EXPECT_EQ(version.line.exitStatus, 0);
    EXPECT_EQ(version.out, "orvalis " ORVALIS_VERSION "\n");
    for (const char* help : {"--help", "-h"}) {
        const Read r = read({"--seed", "3", help});
        EXPECT_EQ(r.line.exitStatus, 0);
        EXPECT_EQ(r.out.rfind("Usage: orvalis", 0), 0u) << r.out;
        EXPECT_TRUE(r.err.empty());
    }
}

TEST(CommandLine, LanguagesAndMistakes) {
    EXPECT_EQ(read({"--lang", "en"}).line.language, "en");
    EXPECT_EQ(read({"--lang=ja"}).line.language, "ja");
    EXPECT_EQ(read({}).line.language, "");
    for (const std::vector<std::string>& args :
         {std::vector<std::string>{"--lang", "fr"}, {"--lang"}, {"--seed"}, {"--frobnicate"}}) {
        const Read r = read(args);
        EXPECT_EQ(r.line.exitStatus, 2) << args[0];
        // One line on what is wrong, one with the hint; nothing on the output.
        EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), 2) << r.err;
        EXPECT_TRUE(r.out.empty());
    }
}
