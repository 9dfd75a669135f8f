#include "foundation/jxparse.h"

#include <gtest/gtest.h>

#include <map>
#include <random>
#include <vector>

#include "foundation/jxerr.h"
#include "jxstrprint.h"
#include "logfixture.h"

namespace {

const char* const Head = ":{/splitCol};{/splitRow}";

class JXParseTest : public LogFixture {
protected:
    size_t ErrorCount() const { return JXErr::GetInstance().Lines().size(); }
    JXStr LastError() const { return JXErr::GetInstance().Lines().back(); }
};

// The format as the program's left-of/right-of loop reads it, token by token.
struct ReferenceTable {
    std::map<JXStr, int> header;
    std::vector<std::vector<JXStr>> rows;
};

std::vector<JXStr> ReferenceFields(JXStr line, const JXStr& sep)
{
    std::vector<JXStr> fields;
    while (line != JXStr()) {
        fields.push_back(JXStr::LeftOf(line, sep));
        line = JXStr::RightOf(line, sep);
    }
    return fields;
}

ReferenceTable ReferenceParse(const JXStr& text)
{
    ReferenceTable table;
    JXStr t = JXStr::DelCRLF(text);
    const JXStr colSep = JXStr::LeftOf(t, "{/splitCol}");
    t = JXStr::RightOf(t, "{/splitCol}");
    const JXStr rowSep = JXStr::LeftOf(t, "{/splitRow}");
    t = JXStr::RightOf(t, "{/splitRow}");
    if (t == JXStr())
        return table;
    int index = 0;
    for (const JXStr& name : ReferenceFields(JXStr::LeftOf(t, rowSep), colSep))
        if (name != JXStr())
            table.header[name] = index++;
    t = JXStr::RightOf(t, rowSep);
    while (t != JXStr()) {
        table.rows.push_back(ReferenceFields(JXStr::LeftOf(t, rowSep), colSep));
        t = JXStr::RightOf(t, rowSep);
    }
    return table;
}

}  // namespace

TEST_F(JXParseTest, ReadsHeaderAndRowsWithTheSeparatorsOfTheHead)
{
    JXParse table;
    table.ParseText(JXStr(Head) + "status:time_end;update:12.05.2024;not_update:;");
    ASSERT_EQ(table.RowCount(), 2);
    EXPECT_EQ(table.ColCount(), 2);
    EXPECT_EQ(table.GetField(0, "status"), "update");
    EXPECT_EQ(table.GetField(0, "time_end"), "12.05.2024");
    EXPECT_EQ(table.GetField(1, "status"), "not_update");
    EXPECT_EQ(table.GetFieldAt(0, 1), "12.05.2024");

    table.ParseText("<c>{/splitCol}<r>{/splitRow}a<c>b<r>1<c>2<r>3<c>4:5");
    ASSERT_EQ(table.RowCount(), 2) << "separators are taken from each text anew";
    EXPECT_EQ(table.GetField(1, "b"), "4:5");

    table.ParseText(":{/split\r\nCol};\n{/splitRow}\r\nname:score;\r\nСпар\r\nтак:3\n;\r\n");
    ASSERT_EQ(table.RowCount(), 1) << "line breaks vanish, even inside fields and markers";
    EXPECT_EQ(table.GetField(0, "name"), "Спартак");
    EXPECT_EQ(table.GetField(0, "score"), "3");
    EXPECT_EQ(ErrorCount(), 0u);
}

TEST_F(JXParseTest, MissingHeadGivesAnEmptyTableAndOneLogLine)
{
    JXParse table;
    table.ParseText(JXStr(Head) + "a;1;");
    ASSERT_EQ(table.RowCount(), 1);
    for (const char* text : {":{/splitCol};a;1;", "status:update;", ":{/splitCol};{/splitRow}", ""}) {
        table.ParseText(text);
        EXPECT_EQ(table.RowCount(), 0) << text;
        EXPECT_EQ(table.ColCount(), 0);
        EXPECT_EQ(LastError(), "[ERROR] [parseText] not find split1 or split2");
    }
    EXPECT_EQ(ErrorCount(), 4u);
}

TEST_F(JXParseTest, EmptyNamesTrailingAndOverlappingSeparatorsFollowTheTokenLoop)
{
    JXParse table;
    table.ParseText(JXStr(Head) + "a::b;x::z;");
    ASSERT_EQ(table.ColCount(), 3);
    EXPECT_EQ(table.GetField(0, "a"), "x");
    EXPECT_EQ(table.GetField(0, "b"), "") << "an empty name takes no index: b is column 1";
    EXPECT_EQ(table.GetFieldAt(0, 2), "z");
    table.ParseText(JXStr(Head) + "a:b:a;1:2:3;");
    EXPECT_EQ(table.GetField(0, "a"), "3") << "a repeated name takes the later index";

    table.ParseText(JXStr(Head) + "a:b:c;x:y:;;p::r");
    ASSERT_EQ(table.RowCount(), 3) << "the last row needs no row separator";
    EXPECT_EQ(table.ColCount(), 2) << "x:y: has two fields";
    EXPECT_EQ(table.GetFieldAt(2, 1), "");
    EXPECT_EQ(table.GetFieldAt(2, 2), "r");
    EXPECT_EQ(ErrorCount(), 0u);
    EXPECT_EQ(table.GetFieldAt(1, 0), "") << "an empty line is a row of no fields";
    EXPECT_EQ(LastError(), "[ERROR] getField:");

    table.ParseText("{/splitCol};{/splitRow}a:b;1:2;");
    EXPECT_EQ(table.GetField(0, "a:b"), "1:2") << "no column separator: the whole line is one field";
    table.ParseText(":{/splitCol}{/splitRow}a:b;1:2;");
    EXPECT_EQ(table.RowCount(), 0) << "no row separator: everything is the names row";
    table.ParseText(":{/splitCol}::{/splitRow}a:b::1:2::3:4");
    ASSERT_EQ(table.RowCount(), 2) << "rows are cut before fields";
    EXPECT_EQ(table.GetField(1, "b"), "4");
}

TEST_F(JXParseTest, UnknownNamesReadColumnZeroAndReadsOutsideTheTableLogALine)
{
    JXParse table;
    table.ParseText(JXStr(Head) + "status:time;update:12;");
    EXPECT_TRUE(table.HasColumn("time"));
    EXPECT_FALSE(table.HasColumn("missing"));
    EXPECT_FALSE(table.HasColumn("Status")) << "names are case-sensitive";
    EXPECT_EQ(table.GetField(0, "missing"), "update");
    EXPECT_EQ(table.GetField(0, "Status"), "update");
    EXPECT_EQ(ErrorCount(), 0u);
    EXPECT_EQ(table.GetField(1, "status"), "");
    EXPECT_EQ(LastError(), "[ERROR] getField:status");
    EXPECT_EQ(table.GetField(-1, "time"), "");
    EXPECT_EQ(table.GetFieldAt(0, 2), "");
    EXPECT_EQ(table.GetFieldAt(0, -1), "");
    EXPECT_EQ(LastError(), "[ERROR] getField:");
    EXPECT_EQ(ErrorCount(), 4u);
}

TEST_F(JXParseTest, AddRowAndToTextRoundTripWithTheFieldCountOfRowZero)
{
    JXParse written;
    EXPECT_EQ(written.ToText(), Head);
    written.AddRow("name:score:date", ":");
    written.AddRow("Спартак:3:01.05.2024", ":");
    written.AddRow("Зенит|1|02.05.2024|x", "|");
    written.AddRow("Локомотив", ":");
    const JXStr text = written.ToText();
    EXPECT_EQ(text, JXStr(Head) + "name:score:date;Спартак:3:01.05.2024;Зенит:1:02.05.2024;Локомотив;");

    JXParse read;
    read.ParseText(text);
    ASSERT_EQ(read.RowCount(), 3);
    EXPECT_EQ(read.GetField(0, "name"), "Спартак");
    EXPECT_EQ(read.GetField(1, "date"), "02.05.2024");
    EXPECT_EQ(read.ToText(), JXStr(Head) + "Спартак:3:01.05.2024;Зенит:1:02.05.2024;Локомотив;");

    JXParse noFields;
    noFields.AddRow("", ":");
    noFields.AddRow("1:2", ":");
    EXPECT_EQ(noFields.ColCount(), 0);
    EXPECT_EQ(noFields.ToText(), JXStr(Head) + ";;");
}

TEST_F(JXParseTest, SplitKeepsOnlyTheItemsBeforeTheFirstSemicolon)
{
    JXParse model;
    model.Split("1:2:3;4:5;");
    EXPECT_EQ(model.GetItem(0), "1");
    EXPECT_EQ(model.GetItem(2), "3");
    EXPECT_EQ(model.GetItem(3), "");
    EXPECT_EQ(model.GetItem(-1), "");
    model.Split("7:8");
    EXPECT_EQ(model.GetItem(0), "") << "text after the last \";\" is ignored";
    model.Split("a::b;");
    EXPECT_EQ(model.GetItem(1), "");
    EXPECT_EQ(model.GetItem(2), "b");
}

TEST_F(JXParseTest, ExpandSqlReplacesEachTagWithItsBlanks)
{
    EXPECT_EQ(JXParse::ExpandSql("{i}Team{v}1,'Спартак'{/v}"), " INSERT INTO Team VALUES( 1,'Спартак' ) ");
    EXPECT_EQ(JXParse::ExpandSql("{u}Version{s}UpdateNum='5'"), " UPDATE Version SET UpdateNum='5'");
    EXPECT_EQ(JXParse::ExpandSql("{d}Fixed{w}ID=3"), " DELETE FROM Fixed WHERE ID=3");
    EXPECT_EQ(JXParse::ExpandSql("{I}Team{V}1{/V}"), "{I}Team{V}1{/V}") << "tags are case-sensitive";
    EXPECT_EQ(JXParse::ExpandSql("{d}{d}"), " DELETE FROM  DELETE FROM ") << "doubled blanks stay";
}

// Random and cut texts built from the format's own pieces: the parser must never
// crash and must give exactly what the token loop gives.
TEST_F(JXParseTest, ArbitraryTextsParseAsTheTokenLoopDoes)
{
    const std::vector<std::string> pieces = {":", ";", "::", "{/splitCol}", "{/splitRow}", "{/split", "Col}",
                                             "\r\n", "\n", "a", "aa", "Ж", "xy", "\xD0", std::string(1, '\0'), "{", "<r>"};
    std::mt19937 random(20240501);
    const std::string sample = std::string(Head) + "name:score;Спартак:3;Зенит::;;x";
    std::vector<std::string> texts;
    for (size_t cut = 0; cut <= sample.size(); ++cut)
        texts.push_back(sample.substr(0, cut));
    const auto randomPiece = [&] { return pieces[std::uniform_int_distribution<size_t>(0, pieces.size() - 1)(random)]; };
    // Separators of one or two pieces, such as "aa" + "xy", that partly match themselves.
    const auto randomSeparator = [&] { return randomPiece() + (random() % 2 ? randomPiece() : ""); };
    for (int i = 0; i < 3000; ++i) {
        // Most texts get a head, so that rows are read at all.
        std::string text = i % 4 == 0 ? "" : randomSeparator() + "{/splitCol}" + randomSeparator() + "{/splitRow}";
        const int count = std::uniform_int_distribution<int>(0, 40)(random);
        for (int k = 0; k < count; ++k)
            text += randomPiece();
        texts.push_back(text);
    }

    JXParse table;
    for (const std::string& text : texts) {
        table.ParseText(text);
        const ReferenceTable expected = ReferenceParse(text);
        ASSERT_EQ(table.RowCount(), static_cast<int>(expected.rows.size())) << text;
        for (size_t r = 0; r < expected.rows.size(); ++r) {
            const std::vector<JXStr>& row = expected.rows[r];
            for (size_t c = 0; c < row.size(); ++c)
                ASSERT_EQ(table.GetFieldAt(static_cast<int>(r), static_cast<int>(c)), row[c]) << text;
            JXErr::ResetForTests();
            table.GetFieldAt(static_cast<int>(r), static_cast<int>(row.size()));
            ASSERT_EQ(ErrorCount(), 1u) << "row " << r << " has more fields than expected in: " << text;
        }
        for (const auto& [name, index] : expected.header) {
            if (!expected.rows.empty() && index < static_cast<int>(expected.rows[0].size())) {
                ASSERT_EQ(table.GetField(0, name), expected.rows[0][index]) << text;
            }
        }
    }
}
