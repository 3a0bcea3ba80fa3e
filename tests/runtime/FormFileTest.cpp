#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>
#include <string>
#include <vector>

#include "runtime/Exceptions.h"
#include "runtime/Filer.h"
#include "runtime/FormReader.h"
#include "runtime/FormWriter.h"
#include "runtime/PublishedProperties.h"
#include "runtime/Streams.h"

namespace zk {
namespace {

// A persistent class with one property of every kind, a nested object, a
// defined string property and a defined binary property.
enum TSampleStyle : std::uint8_t { ssPlain, ssBold, ssItalic };

class TSampleInner : public TPersistent {
public:
  std::string ClassName() const override { return "TSampleInner"; }
  const TPropertyTable& PublishedProperties() const override {
    static const TPropertyTable Table{
        FloatProperty<TSampleInner>("X", [](const TSampleInner& S) { return S.X; },
                                    [](TSampleInner& S, float V) { S.X = V; }, 0.0f)};
    return Table;
  }
  float X = 0;
};

class TSample : public TPersistent {
public:
  std::string ClassName() const override { return "TSample"; }
  const TPropertyTable& PublishedProperties() const override {
    static const TPropertyTable Table{
        IntegerProperty<TSample>("Count", [](const TSample& S) { return S.Count; },
                                 [](TSample& S, std::int32_t V) { S.Count = V; }, 0),
        FloatProperty<TSample>("Ratio", [](const TSample& S) { return S.Ratio; },
                               [](TSample& S, float V) { S.Ratio = V; }),
        EnumProperty<TSample>("Style", {"ssPlain", "ssBold", "ssItalic"},
                              [](const TSample& S) { return S.Style; },
                              [](TSample& S, TSampleStyle V) { S.Style = V; }, ssPlain),
        SetProperty<TSample>("Options", {"soLeft", "soTop", "soRight"},
                             [](const TSample& S) { return S.Options; },
                             [](TSample& S, unsigned V) { S.Options = V; }, 0),
        StringProperty<TSample>("Caption", [](const TSample& S) { return S.Caption; },
                                &TSample::SetCaption, std::string()),
        BooleanProperty<TSample>("Visible", [](const TSample& S) { return S.Visible; },
                                 [](TSample& S, bool V) { S.Visible = V; }, true),
        ObjectProperty<TSample>("Inner", [](TSample& S) -> TSampleInner& { return S.Inner; }),
    };
    return Table;
  }
  void DefineProperties(TFiler& Filer) override {
    Filer.DefineProperty(
        "Note", [this](TReader& R) { Note = R.ReadString(); },
        [this](TWriter& W) { W.WriteString(Note); }, !Note.empty());
    Filer.DefineBinaryProperty(
        "Blob",
        [this](TStream& S) {
          Blob.resize(static_cast<std::size_t>(S.Size()));
          S.ReadBuffer(Blob.data(), S.Size());
        },
        [this](TStream& S) { S.WriteBuffer(Blob.data(), static_cast<std::int64_t>(Blob.size())); },
        !Blob.empty());
  }
  /// Refuses "!" the way a validating setter would.
  void SetCaption(const std::string& V) {
    if (V == "!") throw EConvertError("'!' is not a caption");
    Caption = V;
  }

  std::int32_t Count = 0;
  float Ratio = 0;
  TSampleStyle Style = ssPlain;
  unsigned Options = 0;
  std::string Caption;
  bool Visible = true;
  TSampleInner Inner;
  std::string Note;
  std::vector<unsigned char> Blob;
};

TEST(FormFileTest, Write_EveryKindInTableOrder) {
  TSample S;
  S.Count = -7;
  S.Ratio = 0.1f;
  S.Style = ssItalic;
  S.Options = 0b101;
  S.Caption = "it's";
  S.Visible = false;
  S.Inner.X = 2.5f;
  S.Note = "n";
  S.Blob = {0x00, 0xAB, 0xff};
  EXPECT_EQ(ObjectToText(S, "Sample1"),
            "object Sample1: TSample\n"
            "  Count = -7\n"
            "  Ratio = 0.100000001490116\n"
            "  Style = ssItalic\n"
            "  Options = [soLeft, soRight]\n"
            "  Caption = 'it''s'\n"
            "  Visible = False\n"
            "  Inner.X = 2.5\n"
            "  Note = 'n'\n"
            "  Blob = {\n"
            "    00ABFF}\n"
            "end\n");
}

TEST(FormFileTest, Write_DefaultsAndEmptyDefinedPropertiesAreLeftOut) {
  TSample S;
  EXPECT_EQ(ObjectToText(S, ""), "object TSample\n  Ratio = 0\nend\n");
}

TEST(FormFileTest, RoundTrip_RestoresEveryProperty) {
  TSample S;
  S.Count = 2147483647;
  S.Ratio = -1.0f / 3.0f;
  S.Style = ssBold;
  S.Options = 0b111;
  S.Caption = "a'b\r\nc\xC3\xA9";
  S.Visible = false;
  S.Inner.X = -0.5f;
  S.Note = "x";
  for (int i = 0; i < 100; ++i) S.Blob.push_back(static_cast<unsigned char>(i * 7));
  const std::string Text = ObjectToText(S, "S");

  TSample R;
  EXPECT_EQ(ObjectFromText(Text, R), "S");
  EXPECT_EQ(R.Count, S.Count);
  EXPECT_EQ(R.Ratio, S.Ratio);
  EXPECT_EQ(R.Style, S.Style);
  EXPECT_EQ(R.Options, S.Options);
  EXPECT_EQ(R.Caption, S.Caption);
  EXPECT_EQ(R.Visible, S.Visible);
  EXPECT_EQ(R.Inner.X, S.Inner.X);
  EXPECT_EQ(R.Note, S.Note);
  EXPECT_EQ(R.Blob, S.Blob);
  EXPECT_EQ(ObjectToText(R, "S"), Text);
}

TEST(FormFileTest, Binary_WrapsAt64HexDigits) {
  TSample S;
  S.Blob.assign(33, 0x11);
  const std::string Text = ObjectToText(S, "S");
  EXPECT_NE(Text.find("  Blob = {\n    " + std::string(64, '1') + "\n    11}\n"), std::string::npos) << Text;
}

struct FloatCase {
  const char* Name;
  float Value;
};

class FormFloatTest : public ::testing::TestWithParam<FloatCase> {};

TEST_P(FormFloatTest, RoundTrip_SameBits) {
  TSample S;
  S.Ratio = GetParam().Value;
  TSample R;
  ObjectFromText(ObjectToText(S, "S"), R);
  std::uint32_t A, B;
  std::memcpy(&A, &S.Ratio, 4);
  std::memcpy(&B, &R.Ratio, 4);
  if (std::isnan(S.Ratio))
    EXPECT_TRUE(std::isnan(R.Ratio));
  else
    EXPECT_EQ(A, B) << ObjectToText(S, "S");
}

const FloatCase kFloatCases[] = {
    {"Tenth", 0.1f},
    {"OneThird", 1.0f / 3.0f},
    {"LargestSingle", std::numeric_limits<float>::max()},
    {"SmallestSubnormal", std::numeric_limits<float>::denorm_min()},
    {"HostEpsilon", 1e-40f},
    {"NegativeZero", -0.0f},
    {"Million", 16777215.0f},
    {"Infinity", std::numeric_limits<float>::infinity()},
    {"MinusInfinity", -std::numeric_limits<float>::infinity()},
    {"NaN", std::numeric_limits<float>::quiet_NaN()},
};
INSTANTIATE_TEST_SUITE_P(Values, FormFloatTest, ::testing::ValuesIn(kFloatCases),
                         [](const auto& I) { return std::string(I.param.Name); });

struct StringCase {
  const char* Name;
  std::string Value;
  std::string Quoted;
};

class FormStringTest : public ::testing::TestWithParam<StringCase> {};

TEST_P(FormStringTest, QuotesAndReadsBack) {
  EXPECT_EQ(FormQuotedString(GetParam().Value), GetParam().Quoted);
  TSample R;
  ObjectFromText("object TSample\n  Caption = " + GetParam().Quoted + "\nend\n", R);
  EXPECT_EQ(R.Caption, GetParam().Value);
}

const StringCase kStringCases[] = {
    {"Empty", "", "''"},
    {"Plain", "abc", "'abc'"},
    {"QuoteDoubled", "it's", "'it''s'"},
    {"OnlyQuote", "'", "''''"},
    {"LineBreakAsCodes", "a\r\nb", "'a'#13#10'b'"},
    {"LeadingTab", "\tx", "#9'x'"},
    {"NulByte", std::string("\0", 1), "#0"},
    {"Utf8PassesThrough", "caf\xC3\xA9", "'caf\xC3\xA9'"},
};
INSTANTIATE_TEST_SUITE_P(Values, FormStringTest, ::testing::ValuesIn(kStringCases),
                         [](const auto& I) { return std::string(I.param.Name); });

TEST(FormFileTest, Read_AcceptsContinuationsCodesCaseAndBlankLines) {
  TSample R;
  ObjectFromText("\n OBJECT   s :tsample\r\n"
                 "  caption = 'ab' +\n"
                 "     'c'#$41#233\n"
                 "\n"
                 "  STYLE = SSBOLD\n"
                 "  Options = [\n    soTop ,soRight ]\n"
                 "  Visible = true\n"
                 "  Ratio = -.5e1\n"
                 "  Blob = { 0a\n 0B }\n"
                 "END\n\n",
                 R);
  EXPECT_EQ(R.Caption, "abcA\xC3\xA9");
  EXPECT_EQ(R.Style, ssBold);
  EXPECT_EQ(R.Options, 0b110u);
  EXPECT_TRUE(R.Visible);
  EXPECT_EQ(R.Ratio, -5.0f);
  EXPECT_EQ(R.Blob, (std::vector<unsigned char>{0x0A, 0x0B}));
}

TEST(FormFileTest, Read_FromStreamPosition) {
  const std::string Text = "skip|object TSample\n  Count = 3\nend\n";
  TMemoryStream Stream(std::as_bytes(std::span(Text)));
  Stream.SetPosition(5);
  TSample R;
  TReader(Stream).ReadRootObject(R);
  EXPECT_EQ(R.Count, 3);
}

struct ErrorCase {
  const char* Name;
  const char* Text;
  const char* Message;
};

class FormErrorTest : public ::testing::TestWithParam<ErrorCase> {};

// A malformed or mismatched form raises a read error naming the line and
// changes nothing: every error here is found before the first property is
// applied, and the form sets Count first.
TEST_P(FormErrorTest, RaisesReadErrorAndChangesNothing) {
  TSample R;
  const std::string Before = ObjectToText(R, "S");
  try {
    ObjectFromText(GetParam().Text, R);
    FAIL() << "no error";
  } catch (const EReadError& E) {
    EXPECT_EQ(std::string(E.what()), GetParam().Message);
  }
  EXPECT_EQ(ObjectToText(R, "S"), Before);
}

const ErrorCase kErrorCases[] = {
    {"UnknownProperty", "object S: TSample\n  Count = 1\n  Bogus = 1\nend",
     "Line 3: property Bogus does not exist in TSample"},
    {"UnknownNestedProperty", "object S: TSample\n  Count = 1\n  Inner.Y = 1\nend",
     "Line 3: property Inner.Y does not exist in TSample"},
    {"DottedNameThroughPlainProperty", "object S: TSample\n  Count = 1\n  Count.X = 1\nend",
     "Line 3: property Count.X does not exist in TSample"},
    {"UnterminatedString", "object S: TSample\n  Count = 1\n  Caption = 'abc\nend",
     "Line 3: unterminated string"},
    {"UnterminatedBinary", "object S: TSample\n  Count = 1\n  Blob = {\n    00FF\n",
     "Line 3: unterminated binary value"},
    {"EndInsideBinary", "object S: TSample\n  Count = 1\n  Blob = {\n    00FF\nend",
     "Line 5: invalid character 'n' in binary value"},
    {"OddBinary", "object S: TSample\n  Count = 1\n  Blob = {ABC}\nend",
     "Line 3: binary value has an odd number of hexadecimal digits"},
    {"BadBinaryDigit", "object S: TSample\n  Count = 1\n  Blob = {\n    0G}\nend",
     "Line 4: invalid character 'G' in binary value"},
    {"UnknownEnumIdent", "object S: TSample\n  Count = 1\n  Style = ssHuge\nend",
     "Line 3: 'ssHuge' is not a valid value for Style"},
    {"UnknownSetMember", "object S: TSample\n  Count = 1\n  Options = [soLeft, soDown]\nend",
     "Line 3: 'soDown' is not a member of Options"},
    {"MalformedSet", "object S: TSample\n  Count = 1\n  Options = [soLeft soTop]\nend",
     "Line 3: ',' or ']' expected in set"},
    {"NumberForString", "object S: TSample\n  Count = 1\n  Caption = 5\nend",
     "Line 3: '5' is not a valid value for Caption"},
    {"FloatForInteger", "object S: TSample\n  Count = 1.5\nend",
     "Line 2: '1.5' is not a valid value for Count"},
    {"IntegerOutOfRange", "object S: TSample\n  Count = 3000000000\nend",
     "Line 2: '3000000000' is not a valid value for Count"},
    {"FloatBeyondSingle", "object S: TSample\n  Count = 1\n  Ratio = 1e39\nend",
     "Line 3: 1e39 is out of the Single range for Ratio"},
    {"StringForBinary", "object S: TSample\n  Count = 1\n  Blob = 'x'\nend",
     "Line 3: a string is not a valid value for Blob"},
    {"ValueForObject", "object S: TSample\n  Count = 1\n  Inner = 1\nend",
     "Line 3: Inner is an object: set its properties as Inner.<property>"},
    {"MalformedNumber", "object S: TSample\n  Count = 12ab\nend", "Line 2: malformed number"},
    {"MissingEquals", "object S: TSample\n  Count 1\nend", "Line 2: '=' expected after Count"},
    {"MissingValue", "object S: TSample\n  Count =\nend", "Line 2: a value expected"},
    {"MissingEnd", "object S: TSample\n  Count = 1\n", "Line 3: 'end' expected before the end of the text"},
    {"TextAfterEnd", "object S: TSample\n  Count = 1\nend\nend", "Line 4: unexpected text after 'end'"},
    {"NotAnObject", "thing S: TSample\nend", "Line 1: expected 'object'"},
    {"EmptyText", "", "Line 1: 'object' expected before the end of the text"},
    {"WrongClass", "\nobject S: TOther\n  Count = 1\nend", "Line 2: the form holds a TOther, not a TSample"},
    {"NestedObject", "object S: TSample\n  Count = 1\n  object T: TSample\n  end\nend",
     "Line 3: nested objects are not supported"},
    {"List", "object S: TSample\n  Count = 1\n  Caption = ('a')\nend",
     "Line 3: lists and collections are not supported"},
    {"BadCharacterCode", "object S: TSample\n  Count = 1\n  Caption = #1114112\nend",
     "Line 3: character code out of range"},
    {"SurrogateCode", "object S: TSample\n  Count = 1\n  Caption = #55296\nend",
     "Line 3: character code is a lone surrogate"},
    {"ControlCharacter", "object S: TSample\n  Count = 1\n  Caption = \x01\nend",
     "Line 3: unexpected character #1"},
};
INSTANTIATE_TEST_SUITE_P(Forms, FormErrorTest, ::testing::ValuesIn(kErrorCases),
                         [](const auto& I) { return std::string(I.param.Name); });

TEST(FormFileTest, Read_RefusedValueLeavesEarlierPropertiesAsTheyWere) {
  TSample R;
  try {
    ObjectFromText("object S: TSample\n  Count = 5\n  Caption = '!'\n  Visible = False\nend\n", R);
    FAIL() << "no error";
  } catch (const EReadError& E) {
    EXPECT_EQ(std::string(E.what()), "Line 3: '!' is not a caption");
  }
  EXPECT_EQ(R.Count, 0);  // all or nothing: line 2 is undone
  EXPECT_EQ(R.Caption, "");
  EXPECT_TRUE(R.Visible);
}

TEST(FormFileTest, Read_DefinedPropertyOfWrongTypeNamesLine) {
  TSample R;
  try {
    ObjectFromText("object S: TSample\n  Count = 5\n  Note = 5\nend\n", R);
    FAIL() << "no error";
  } catch (const EReadError& E) {
    EXPECT_EQ(std::string(E.what()), "Line 3: '5' is not a valid value for Note");
  }
  EXPECT_EQ(R.Note, "");
}

TEST(FormFileTest, ReaderValueOutsideARead_Raises) {
  TReader Reader(std::string_view{});
  EXPECT_THROW(Reader.ReadString(), EReadError);
}

TEST(FormFileTest, Write_UnnamedEnumOrdinalRaises) {
  TSample S;
  S.Style = static_cast<TSampleStyle>(7);
  EXPECT_THROW(ObjectToText(S, "S"), EWriteError);
}

} // namespace
} // namespace zk
