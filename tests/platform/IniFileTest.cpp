#include "platform/FileError.h"
#include "platform/IniFile.h"
#include "platform/NumberParsing.h"
#include "platform/Profile.h"
#include "support/ScriptedInteraction.h"

#include <cstdlib>
#include <gtest/gtest.h>

namespace vistagon {
namespace {

using test::ReadFileBytes;
using test::TempDir;
using test::WriteFileBytes;

TEST(IniFile, ReadsSectionsAndKeysWithoutRegardToCaseAndCrLf)
{
    TempDir dir;
    const std::string path = dir.File("a.ini");
    WriteFileBytes(path, "[Other]\r\nKey=wrong\r\n[Param]\r\nBeobXA = -100.000000 \r\nEmpty=\r\n");
    const IniFile ini(path);
    EXPECT_EQ(ini.Read("param", "beobxa"), "-100.000000");
    EXPECT_EQ(ini.Read("PARAM", "Empty"), "");
    EXPECT_FALSE(ini.Read("Param", "Key").has_value());
    EXPECT_EQ(ini.GetString("Param", "Missing", "dflt"), "dflt");
    EXPECT_FALSE(IniFile(dir.File("absent.ini")).Read("Param", "BeobXA").has_value());
}

TEST(IniFile, WritingKeepsOtherLinesAndAppendsWhereTheyBelong)
{
    TempDir dir;
    const std::string path = dir.File("b.ini");
    WriteFileBytes(path, "; comment\r\n[A]\r\nx=1\r\ny=2\r\n\r\n[B]\r\nz=3\r\n");
    const IniFile ini(path);
    ini.WriteString("a", "Y", "20");   // replaced in place, with the name as written now
    ini.WriteString("A", "new", "4");  // appended at the end of its section
    ini.WriteString("C", "w", "5");    // new section at the end of the file
    EXPECT_EQ(ReadFileBytes(path), "; comment\n[A]\nx=1\nY=20\nnew=4\n\n[B]\nz=3\n\n[C]\nw=5\n");
}

TEST(IniFile, LongValuesAreKeptWhole)
{
    TempDir dir;
    const IniFile ini(dir.File("c.ini"));
    const std::string longPath(300, 'p');
    ini.WriteString("Param", "HDateiname", longPath);
    EXPECT_EQ(ini.Read("Param", "HDateiname"), longPath);
}

TEST(IniFile, AWriteIntoAMissingFolderRaisesAndLeavesNothing)
{
    TempDir dir;
    const IniFile ini(dir.File("no/such/folder/d.ini"));
    EXPECT_THROW(ini.WriteString("S", "k", "v"), FileError);
}

TEST(Profile, ReadsIntegersByLeadingDigitsAndCreatesItsFolder)
{
    TempDir dir;
    const Profile profile(dir.File("sub/vistagon.ini"));
    EXPECT_EQ(profile.GetInt("Settings", "Antialiasing", 10), 10);
    profile.WriteString("Settings", "Antialiasing", "25ms");
    EXPECT_EQ(profile.GetInt("Settings", "Antialiasing", 10), 25);
    profile.WriteString("Settings", "Antialiasing", "");
    EXPECT_EQ(profile.GetInt("Settings", "Antialiasing", 10), 0);
}

TEST(Profile, PathComesFromCommandLineThenEnvironmentThenXdg)
{
    setenv("VISTAGON_PROFILE", "from-env.ini", 1);
    EXPECT_EQ(Profile::ResolvePath(std::string("cli.ini")), "cli.ini");
    EXPECT_EQ(Profile::ResolvePath(std::nullopt), "from-env.ini");
    unsetenv("VISTAGON_PROFILE");
    setenv("XDG_CONFIG_HOME", "cfg", 1);
    EXPECT_EQ(Profile::ResolvePath(std::nullopt), "cfg/vistagon/vistagon.ini");
    unsetenv("XDG_CONFIG_HOME");
}

TEST(NumberParsing, FollowsTheClassicReadingRules)
{
    EXPECT_EQ(ParseLeadingInt("  42abc"), 42);
    EXPECT_EQ(ParseLeadingInt("-7"), -7);
    EXPECT_EQ(ParseLeadingInt("x1"), 0);
    EXPECT_EQ(ParseLeadingInt("99999999999"), 2147483647);
    EXPECT_EQ(ScanDouble(" 2.5e3x"), 2500.0);
    EXPECT_FALSE(ScanDouble("abc").has_value());
    EXPECT_EQ(ScanHex("FF8000"), 0xFF8000u);
    EXPECT_FALSE(ScanHex("zz").has_value());
    EXPECT_EQ(FormatFixed(-100.0), "-100.000000");
}

}  // namespace
}  // namespace vistagon
