// Tests of the versioned data files: data and structure versions against the program, defaults
// of absent fields, bounded text fields, German-locale round trips and the backups.
#include "base/kovdat.h"

#include "base/kovfile.h"
#include "base/kovmem.h"
#include "base/kovmsg.h"
#include "platform/kovlocale.h"
#include "platform/kovscript.h"
#include "test_support/kovtestutil.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <clocale>
#include <cstdio>
#include <cstring>
#include <string>

namespace {

using kovtest::contents;
using kovtest::exists;
using kovtest::read_file;
using kovtest::stream_of;
using kovtest::write_file;

class KovdatTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        Dat_Reset();
        Msg_Reset();
        Kov_Set_Ui_Mode(KOV_UI_SCRIPTED);
        Kov_Script_Reset();
    }
    void TearDown() override { Kov_Set_Ui_Mode(-1); }

    static bool message_shown()
    {
        const char* log = Kov_Script_Log_Text();
        return log && std::strstr(log, DAT_MSG_NEWER) != nullptr;
    }
};

} // namespace

TEST_F(KovdatTest, DataVersionAgainstProgramVersion)
{
    struct Case {
        const char* file;
        double program;
        int want;
        bool message;
    } cases[] = {
        {" 3.000000  # Datenversionsnummer\n", 3.0, 0, false},
        {" 3.100000  # Datenversionsnummer\n", 3.0, 2, true},
        {"# written by hand\n\n   \n# again\n 2.5\n", 3.0, 0, false}, // comments first
        {" -1\n", 3.0, -1, false},
        {"# only a comment\n", 3.0, 1, false},
        {"abc\n", 3.0, 1, false},
    };
    for (const Case& c : cases) {
        Kov_Script_Reset();
        FILE* f = stream_of(c.file);
        EXPECT_EQ(Dat_Begin_Read(f, c.program), c.want) << c.file;
        EXPECT_EQ(message_shown(), c.message) << c.file;
        std::fclose(f);
    }
    EXPECT_EQ(Dat_Begin_Read(nullptr, 3.0), 1);
}

TEST_F(KovdatTest, StructureVersionsAndDefaults)
{
    FILE* f = stream_of(" 3.0  # Datenversionsnummer\n 1.0 # Strukturversionsnummer\n 7.5  4  x \n");
    ASSERT_EQ(Dat_Begin_Read(f, 3.0), 0);
    ASSERT_EQ(Dat_Push_Version(1.0), 0);
    EXPECT_EQ(Dat_File_State.depth, 1);
    EXPECT_DOUBLE_EQ(Dat_Get_Version(), 1.0);

    double d = 0;
    int i = 0;
    char t[DAT_TEXT_SIZE] = "junk";
    // Fields introduced in version 2 take their defaults and read nothing.
    EXPECT_EQ(Dat_Read_Field(&d, 'd', 2.0, 9.25), 0);
    EXPECT_DOUBLE_EQ(d, 9.25);
    EXPECT_EQ(Dat_Read_Field(&i, 'i', 2.0, 2.5), 0);
    EXPECT_EQ(i, 3);
    EXPECT_EQ(Dat_Read_Field(&i, 'i', 2.0, -2.5), 0);
    EXPECT_EQ(i, -3);
    EXPECT_EQ(Dat_Read_Field(t, 't', 2.0, 0), 0);
    EXPECT_STREQ(t, "");
    char c = 'q';
    EXPECT_EQ(Dat_Read_Field(&c, 'c', 2.0, 0), 0);
    EXPECT_EQ(c, 0);
    EXPECT_EQ(Dat_Read_Int_Since(2.0, 1.5), 2);
    // The file fields are still all there.
    EXPECT_EQ(Dat_Read_Field(&d, 'd', 1.0, 0), 0);
    EXPECT_DOUBLE_EQ(d, 7.5);
    EXPECT_EQ(Dat_Read_Field(&i, 'i', 0.5, 0), 0);
    EXPECT_EQ(i, 4);
    EXPECT_EQ(Dat_Read_Field(&c, 'c', 1.0, 0), 0);
    EXPECT_EQ(c, 'x');
    EXPECT_EQ(Dat_Read_Field(&d, 'd', 1.0, 0), 1); // end of file
    EXPECT_EQ(Dat_Read_Field(&d, 'x', 0.0, 0), 1); // unknown type
    Dat_Pop_Version();
    EXPECT_EQ(Dat_File_State.depth, 0);
    Dat_Pop_Version(); // never below the data version
    EXPECT_EQ(Dat_File_State.depth, 0);
    std::fclose(f);
}

TEST_F(KovdatTest, NewerStructureVersionIsRefused)
{
    FILE* f = stream_of(" 3.0\n 1.3 # Strukturversionsnummer\n");
    ASSERT_EQ(Dat_Begin_Read(f, 3.0), 0);
    EXPECT_EQ(Dat_Push_Version(1.2), 2);
    EXPECT_TRUE(message_shown());
    EXPECT_EQ(Dat_Push_Version(1.2), 1); // nothing more to read; depth stays raised
    EXPECT_EQ(Dat_File_State.depth, 2);
    std::fclose(f);
}

TEST_F(KovdatTest, PushBeyondTheStackIsRefused)
{
    std::string file = " 1\n";
    for (int k = 0; k < 25; ++k) file += " 1\n";
    FILE* f = stream_of(file);
    ASSERT_EQ(Dat_Begin_Read(f, 1.0), 0);
    for (int k = 1; k < DAT_VERSION_STACK; ++k) ASSERT_EQ(Dat_Push_Version(1.0), 0) << k;
    EXPECT_EQ(Dat_File_State.depth, DAT_VERSION_STACK - 1);
    long pos = Dat_Tell();
    EXPECT_EQ(Dat_Push_Version(1.0), 1);
    EXPECT_EQ(Dat_File_State.depth, DAT_VERSION_STACK - 1);
    EXPECT_EQ(Dat_Tell(), pos); // nothing read
    std::fclose(f);
}

TEST_F(KovdatTest, RoundedSinceForStrings)
{
    FILE* f = stream_of(" 2.0\n a\x8C"
                        "b\n 3 xyz\n");
    ASSERT_EQ(Dat_Begin_Read(f, 2.0), 0);
    char s[DAT_TEXT_SIZE];
    EXPECT_EQ(Dat_Read_String(s, 2.004, "dflt"), 0); // rounds to 0: read
    EXPECT_STREQ(s, "a b");
    EXPECT_EQ(Dat_Read_String(s, 2.006, "dflt"), 0); // newer: default
    EXPECT_STREQ(s, "dflt");
    EXPECT_EQ(Dat_Read_String(s, 2.006, nullptr), 0);
    EXPECT_STREQ(s, "");
    char* p = nullptr;
    EXPECT_EQ(Dat_Read_Counted_String(&p, 2.0, nullptr), 0);
    EXPECT_STREQ(p, "xyz");
    EXPECT_EQ(Dat_Read_Counted_String(&p, 3.0, "def"), 0); // old block released
    EXPECT_STREQ(p, "def");
    EXPECT_EQ(Dat_Read_Counted_String(&p, 3.0, nullptr), 0);
    EXPECT_EQ(p, nullptr);
    EXPECT_EQ(Dat_Read_Counted_String(&p, 1.0, nullptr), 1); // no count left
    EXPECT_EQ(p, nullptr);
    std::fclose(f);
}

TEST_F(KovdatTest, CountedStringLongerThanTheFile)
{
    FILE* f = stream_of(" 1\n 2000000000 abc");
    ASSERT_EQ(Dat_Begin_Read(f, 1.0), 0);
    char* p = nullptr;
    EXPECT_EQ(Dat_Read_Counted_String(&p, 1.0, nullptr), 1);
    EXPECT_STREQ(p, "abc"); // what the file holds, no more
    Mem_Free_Null((void**)&p);
    std::fclose(f);
}

TEST_F(KovdatTest, WriterBytes)
{
    FILE* f = std::tmpfile();
    ASSERT_EQ(Dat_Begin_Write(f, 3.0), 0);
    EXPECT_EQ(Dat_Write_Version(1.5), 0);
    EXPECT_EQ(Dat_Write_Comment("Kommentar"), 0);
    double d = 0.25;
    int i = -7;
    char c = 'K';
    EXPECT_EQ(Dat_Write_Field(&d, 'd'), 0);
    EXPECT_EQ(Dat_Write_Field(&i, 'i'), 0);
    EXPECT_EQ(Dat_Write_Field(&c, 'c'), 0);
    EXPECT_EQ(Dat_Write_Field("word", 's'), 0);
    EXPECT_EQ(Dat_Write_Field("two words", 't'), 0);
    EXPECT_EQ(Dat_Write_Field("", 't'), 0);
    EXPECT_EQ(Dat_Write_Field(&d, 'q'), 1);
    EXPECT_EQ(Dat_Write_Newline(), '\n');
    for (char type : {'c', 'd', 'i', 's', 't'}) EXPECT_EQ(Dat_Write_Undefined(type), 0);
    Dat_Write_Newline();
    char* empty = nullptr;
    char text[] = "a b\nc";
    char* pt = text;
    EXPECT_EQ(Dat_Write_Counted_String(&empty), 0);
    EXPECT_EQ(Dat_Write_Counted_String(&pt), 0);
    EXPECT_EQ(Dat_End_Write(), 0);
    EXPECT_EQ(contents(f), " 3.000000  # Datenversionsnummer\n"
                           " 1.500000 # Strukturversionsnummer\n"
                           "# Kommentar\n"
                           " 2.500000e-01  -7  K  word  two\x8Cwords  \x8C \n"
                           " *  -1.000000e+00  0  ***  *** \n"
                           " 0 \n"
                           " 5 a b\nc\n");
    std::fclose(f);
    Dat_Reset();
    EXPECT_EQ(Dat_Write_Newline(), EOF);
    EXPECT_EQ(Dat_Write_Field(&d, 'd'), 1);
    EXPECT_EQ(Dat_Write_Counted_String(&pt), 1);
}

TEST_F(KovdatTest, TextFieldsAreBoundedAndStayInStep)
{
    FILE* f = std::tmpfile();
    Dat_Begin_Write(f, 1.0);
    std::string longword(400, 'w');
    Dat_Write_Field(longword.c_str(), 's');
    Dat_Write_Field(longword.c_str(), 't'); // the writer cuts at 255
    int i = 42;
    Dat_Write_Field(&i, 'i');
    std::rewind(f);
    ASSERT_EQ(Dat_Begin_Read(f, 1.0), 0);
    char s[DAT_TEXT_SIZE];
    EXPECT_EQ(Dat_Read_Field(s, 's', 0, 0), 0);
    EXPECT_EQ(std::strlen(s), 255u);
    EXPECT_EQ(Dat_Read_Field(s, 't', 0, 0), 0);
    EXPECT_EQ(std::strlen(s), 255u);
    int back = 0;
    EXPECT_EQ(Dat_Read_Field(&back, 'i', 0, 0), 0); // the next field is intact
    EXPECT_EQ(back, 42);
    std::fclose(f);
}

TEST_F(KovdatTest, SkipFieldsAndSeek)
{
    FILE* f = stream_of(" 2\n 1.5 abc 7 x\x8Cy 9\n");
    ASSERT_EQ(Dat_Begin_Read(f, 2.0), 0);
    long start = Dat_Tell();
    EXPECT_EQ(Dat_Skip_Field('d', 1.0), 0);
    EXPECT_EQ(Dat_Skip_Field('s', 1.0), 0);
    EXPECT_EQ(Dat_Skip_Field('i', 3.0), 0); // newer: nothing read
    EXPECT_EQ(Dat_Read_Int(), 7);
    EXPECT_EQ(Dat_Skip_Field_Current('t'), 0);
    EXPECT_EQ(Dat_Read_Int(), 9);
    EXPECT_EQ(Dat_Read_Int(), 1); // none left
    EXPECT_EQ(Dat_Seek(start), 0);
    double d = 0;
    EXPECT_EQ(Dat_Read_Field(&d, 'd', 2.0, 0), 0);
    EXPECT_DOUBLE_EQ(d, 1.5);
    EXPECT_EQ(Dat_Input_File(), f);
    std::fclose(f);
}

TEST_F(KovdatTest, BlankCodes)
{
    char a[8] = " ";
    EXPECT_EQ(Dat_Decode_Blanks(a), 0);
    EXPECT_STREQ(a, "");
    EXPECT_EQ(Dat_Encode_Blanks(a), 1);
    EXPECT_STREQ(a, "\x8C");
    EXPECT_EQ(Dat_Decode_Blanks(a), 0); // the empty text again
    EXPECT_STREQ(a, "");
    char b[] = "x y z";
    EXPECT_EQ(Dat_Encode_Blanks(b), 5);
    EXPECT_STREQ(b, "x\x8Cy\x8Cz");
    EXPECT_EQ(Dat_Decode_Blanks(b), 5);
    EXPECT_STREQ(b, "x y z");
}

TEST_F(KovdatTest, EmptyTextRoundTripsAndKeepsTheNextField)
{
    FILE* f = std::tmpfile();
    Dat_Begin_Write(f, 1.0);
    Dat_Write_Field("", 't');
    Dat_Write_Field("two words", 't');
    int i = 5;
    Dat_Write_Field(&i, 'i');
    std::rewind(f);
    ASSERT_EQ(Dat_Begin_Read(f, 1.0), 0);
    char t[DAT_TEXT_SIZE] = "junk";
    EXPECT_EQ(Dat_Read_Field(t, 't', 1.0, 0), 0);
    EXPECT_STREQ(t, "");
    EXPECT_EQ(Dat_Read_Field(t, 't', 1.0, 0), 0);
    EXPECT_STREQ(t, "two words");
    EXPECT_EQ(Dat_Read_Int(), 5);
    std::fclose(f);
}

namespace {

struct Grade {
    char name[DAT_TEXT_SIZE];
    double f_ck;
    int lightweight;
    char* note;
};

int write_grade(FILE* f, const Grade& g)
{
    int rc = Dat_Begin_Write(f, 3.0);
    rc |= Dat_Write_Comment("Betongueten");
    rc |= Dat_Write_Version(1.2);
    rc |= Dat_Write_Field(g.name, 't');
    rc |= Dat_Write_Field(&g.f_ck, 'd');
    rc |= Dat_Write_Field(&g.lightweight, 'i');
    Dat_Write_Newline();
    char* note = g.note;
    rc |= Dat_Write_Counted_String(&note);
    return rc;
}

int read_grade(FILE* f, Grade& g)
{
    if (Dat_Begin_Read(f, 3.0) != 0) return 1;
    if (Dat_Push_Version(1.2) != 0) return 1;
    int rc = Dat_Read_Field(g.name, 't', 1.0, 0);
    rc |= Dat_Read_Field(&g.f_ck, 'd', 1.0, 0);
    rc |= Dat_Read_Field(&g.lightweight, 'i', 1.1, 0);
    rc |= Dat_Read_Counted_String(&g.note, 1.2, nullptr);
    Dat_Pop_Version();
    return rc;
}

} // namespace

TEST_F(KovdatTest, RoundTripUnderGermanLocale)
{
    const char* german = Kov_Try_German_Locale();
    if (!german) GTEST_SKIP() << "no German locale installed";
    Kov_Numeric_C_Locale();

    Grade out{};
    std::snprintf(out.name, sizeof out.name, "C30/37 frei");
    out.f_ck = 30000.5;
    out.lightweight = 1;
    char note[] = "Zeile 1\nZeile 2";
    out.note = note;

    FILE* f = std::tmpfile();
    ASSERT_EQ(write_grade(f, out), 0);
    std::string bytes = contents(f);
    EXPECT_NE(bytes.find(" 3.000000  # Datenversionsnummer"), std::string::npos);
    EXPECT_NE(bytes.find("3.000050e+04"), std::string::npos); // decimal point
    EXPECT_EQ(bytes.find(','), std::string::npos);

    std::rewind(f);
    Grade in{};
    ASSERT_EQ(read_grade(f, in), 0);
    EXPECT_STREQ(in.name, "C30/37 frei");
    EXPECT_DOUBLE_EQ(in.f_ck, 30000.5);
    EXPECT_EQ(in.lightweight, 1);
    EXPECT_STREQ(in.note, "Zeile 1\nZeile 2");
    Mem_Free_Null((void**)&in.note);
    std::fclose(f);
    std::setlocale(LC_ALL, "C");
}

namespace {

int data_value = 1;

int writer(FILE* f) { return std::fprintf(f, "value %d\n", data_value) < 0 ? 1 : 0; }

int failing_writer(FILE* f)
{
    std::fputs("partial", f);
    return 1;
}

std::string last_read;

int reader_path(FILE* f, const char* path)
{
    char buf[64] = "";
    if (!std::fgets(buf, sizeof buf, f)) buf[0] = 0;
    std::fclose(f);
    last_read = std::string(buf) + "@" + path;
    return 0;
}

int reader(FILE* f)
{
    char buf[64] = "";
    if (!std::fgets(buf, sizeof buf, f)) buf[0] = 0;
    std::fclose(f);
    last_read = buf;
    return 5;
}

} // namespace

TEST_F(KovdatTest, BackupsWriteCompareRemove)
{
    kovtest::TempDir tmp("kov_dat_");
    std::string dir = tmp.path() + "/";
    write_file(dir + "pos.inp", "value 1\n");
    Backup_Setup_In_Dir(writer, dir.c_str(), "pos", "pos.inp", nullptr);

    EXPECT_EQ(Backup_Exists(), 0);
    EXPECT_EQ(Backup_Read_Bak(reader), 1); // no backup yet
    data_value = 1;
    EXPECT_EQ(Backup_Write_Bak(), 0);
    EXPECT_EQ(read_file(dir + "pos.bak"), "value 1\n");
    EXPECT_EQ(Backup_Exists(), 1);
    EXPECT_EQ(Backup_Compare_Bak(), 0);
    EXPECT_EQ(Backup_Compare_Data(), 0);
    data_value = 2;
    EXPECT_EQ(Backup_Compare_Bak(), 1);
    EXPECT_EQ(read_file(dir + "pos.cmp"), "value 2\n");

    EXPECT_EQ(Backup_Read_Bak(reader), 5);
    EXPECT_EQ(last_read, "value 1\n");
    EXPECT_EQ(Backup_Read_From(reader_path, (dir + "pos.bak").c_str()), 0);
    EXPECT_EQ(last_read, "value 1\n@" + dir + "pos.bak");
    FILE* b = Backup_Open_Bak();
    ASSERT_NE(b, nullptr);
    std::fclose(b);

    EXPECT_EQ(Backup_Write_Clcbak(), 0);
    EXPECT_EQ(Backup_Compare_Clcbak(), 0);
    EXPECT_EQ(Backup_Read_Clcbak(reader), 5);
    EXPECT_EQ(last_read, "value 2\n");

    EXPECT_EQ(Backup_Remove_All(), 0);
    EXPECT_FALSE(exists(dir + "pos.bak"));
    EXPECT_FALSE(exists(dir + "pos.clcbak"));
    EXPECT_FALSE(exists(dir + "pos.cmp"));
    EXPECT_TRUE(exists(dir + "pos.inp"));
}

TEST_F(KovdatTest, FailedWriterKeepsTheOldBackup)
{
    kovtest::TempDir tmp("kov_dat_");
    std::string dir = tmp.path() + "/";
    Backup_Setup(writer, dir.c_str(), "pos", nullptr, nullptr);
    data_value = 7;
    ASSERT_EQ(Backup_Write_Bak(), 0);
    Backup_Setup(failing_writer, dir.c_str(), "pos", nullptr, nullptr);
    EXPECT_EQ(Backup_Write_Bak(), 1);
    EXPECT_EQ(read_file(dir + "pos.bak"), "value 7\n");
    EXPECT_EQ(Backup_Compare_Bak(), 1);
}

TEST_F(KovdatTest, SwitchedOff)
{
    kovtest::TempDir tmp("kov_dat_");
    std::string dir = tmp.path() + "/";
    Backup_Setup(writer, dir.c_str(), "pos", nullptr, (dir + "second.txt").c_str());
    ASSERT_EQ(Backup_Write_Bak(), 0);
    ASSERT_EQ(Backup_Write_Clcbak(), 0);
    EXPECT_EQ(Backup_Compare_Clcbak(), 1); // the second path does not exist
    write_file(dir + "second.txt", "");
    EXPECT_EQ(Backup_Compare_Clcbak(), 0);

    Backup_Off();
    EXPECT_EQ(Backup_Compare_Bak(), 1);
    EXPECT_EQ(Backup_Write_Bak(), 1);
    EXPECT_EQ(Backup_Open_Bak(), nullptr);
    EXPECT_EQ(Files_Differ((dir + "pos.bak").c_str(), (dir + "pos.bak").c_str()), 1);
    EXPECT_EQ(Backup_Remove_All(), 0);
    EXPECT_TRUE(exists(dir + "pos.bak")); // nothing removed
    EXPECT_TRUE(exists(dir + "pos.clcbak"));
}

TEST_F(KovdatTest, FilesDifferAndCopies)
{
    kovtest::TempDir tmp("kov_dat_");
    std::string dir = tmp.path() + "/";
    write_file(dir + "a", "abc");
    write_file(dir + "b", "abc");
    write_file(dir + "c", "ab");
    write_file(dir + "d", "abd");
    struct Case {
        const char* x;
        const char* y;
        int want;
    } cases[] = {{"a", "b", 0}, {"a", "c", 1}, {"c", "a", 1}, {"a", "d", 1}, {"a", "missing", 1}};
    for (const Case& c : cases) EXPECT_EQ(Files_Differ((dir + c.x).c_str(), (dir + c.y).c_str()), c.want) << c.x << c.y;

    EXPECT_EQ(File_Copy_Text((dir + "copy").c_str(), (dir + "a").c_str()), 0);
    EXPECT_EQ(read_file(dir + "copy"), "abc");
    EXPECT_EQ(File_Copy_Text((dir + "copy").c_str(), (dir + "missing").c_str()), 1);
    EXPECT_EQ(read_file(dir + "copy"), "abc");
    EXPECT_EQ(File_Exists((dir + "copy").c_str()), 1);
    EXPECT_EQ(File_Exists((dir + "nope").c_str()), 0);

    Base_Set_File((dir + "POS").c_str());
    write_file(dir + "POS.inp", "input\n");
    EXPECT_EQ(Base_Copy_Text(".sav", ".inp"), 0);
    EXPECT_EQ(read_file(dir + "POS.sav"), "input\n");
    EXPECT_EQ(Base_Copy_Text(".x", ".missing"), 1);
    Dat_Reset();
}

// A copy over an existing file keeps its rights, and over a link it replaces
// the file the link names, not the link.
TEST_F(KovdatTest, CopyKeepsRightsAndLinks)
{
    kovtest::TempDir tmp("kov_dat_");
    const std::string dir = tmp.path() + "/";
    write_file(dir + "a", "neu\n");
    write_file(dir + "ziel", "alt\n");
    ::chmod((dir + "ziel").c_str(), 0640);
    ASSERT_EQ(::symlink("ziel", (dir + "link").c_str()), 0);

    EXPECT_EQ(File_Copy_Text((dir + "link").c_str(), (dir + "a").c_str()), 0);
    EXPECT_EQ(read_file(dir + "ziel"), "neu\n");
    struct stat st;
    ASSERT_EQ(::lstat((dir + "link").c_str(), &st), 0);
    EXPECT_TRUE(S_ISLNK(st.st_mode));
    ASSERT_EQ(::stat((dir + "ziel").c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0640u);
}
