#include "online/form_body.h"

#include <gtest/gtest.h>

namespace olk::online {
namespace {

// Windows-1251 bytes of "Москва".
const QByteArray kMoscow1251("\xCC\xEE\xF1\xEA\xE2\xE0");

TEST(FormBody, RawFormWritesValuesVerbatimInWindows1251)
{
    struct Case {
        FormFields fields;
        QByteArray body;
    };
    const Case cases[] = {
        {{}, ""},
        {{{"label1", "0"}}, "label1=0"},
        {{{"nick", "Ivan Petrov"}, {"city", QStringLiteral("Москва")}, {"sex", "M"}},
         "nick=Ivan Petrov&city=" + kMoscow1251 + "&sex=M"},
        {{{"pw", "a&b=c+d%20"}, {"email", ""}}, "pw=a&b=c+d%20&email="},
        // Not in Windows-1251: a question mark each.
        {{{"nick", QStringLiteral("日本€")}}, "nick=??\x88"},
        {{{"nick", QString::fromUtf16(u"a\U0001F600b")}}, "nick=a?b"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(rawFormBody(c.fields), c.body);
    }
}

TEST(FormBody, ListFormPercentEncodesUtf8WithEmptyItemsBetweenFields)
{
    struct Case {
        FormFields fields;
        QByteArray body;
    };
    const Case cases[] = {
        {{}, ""},
        {{{"gid", "804"}}, "gid=804"},
        {{{"nick", "Ivan Petrov"}, {"pw", "x*-._~!"}, {"label0", "0"}},
         "nick=Ivan+Petrov&&pw=x*-._%7E%21&&label0=0"},
        {{{"nick", QStringLiteral("Ёж")}}, "nick=%D0%81%D0%B6"},
        {{{"about", "a&b=c+d%e\nf"}}, "about=a%26b%3Dc%2Bd%25e%0Af"},
        {{{"x", ""}, {"y", ""}}, "x=&&y="},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(listFormBody(c.fields), c.body);
    }
}

TEST(FormBody, EitherConventionReadsBackWhatWasBuilt)
{
    const FormFields samples[] = {
        {{"nick", QStringLiteral("Пётр Иванов")}, {"pw", "p&w=+%"}, {"city", "Rock & Roll"}},
        {{"nick", "a"}, {"pw", "b="}, {"label0", "0"}},
        {{"readrating84", "0"}, {"nick", QStringLiteral("Ёлка & Co")}},
        {{"crdolkrating", "12.5"}},
        {{"gid", "804"}, {"nick", "%41+"}, {"city", ""}},
        {{"about", "line one\r\nline two"}, {"youtube", "https://x.y/?a=1&b=2"}},
    };
    for (const FormFields& fields : samples) {
        EXPECT_EQ(decodeRawForm(rawFormBody(fields)), fields);
        EXPECT_EQ(decodeListForm(listFormBody(fields)), fields);
        EXPECT_EQ(decodeFormBody(rawFormBody(fields)), fields);
        EXPECT_EQ(decodeFormBody(listFormBody(fields)), fields);
    }
}

TEST(FormBody, RawFormWithKnownNamesSplitsOnlyBeforeThem)
{
    const FormFields fields = {{"nick", "x&y=z"}, {"pw", "&pw=1"}, {"city", "c"}};
    const QByteArray body = rawFormBody(fields);
    EXPECT_EQ(body, "nick=x&y=z&pw=&pw=1&city=c");
    EXPECT_EQ(decodeRawForm(body, {"nick", "pw", "city"}), fields);
    // Without the names, a request's field name after "&" starts a field.
    EXPECT_EQ(decodeRawForm(body),
              (FormFields{{"nick", "x&y=z"}, {"pw", ""}, {"pw", "1"}, {"city", "c"}}));
    EXPECT_EQ(decodeRawForm(body, {"nick", "city"}),
              (FormFields{{"nick", "x&y=z&pw=&pw=1"}, {"city", "c"}}));
    EXPECT_EQ(decodeRawForm(body, {"nick", "sex"}), std::nullopt);
    EXPECT_EQ(decodeRawForm("pw=1", {"nick"}), std::nullopt);
}

TEST(FormBody, RequestFieldNamesWithTheirNumbers)
{
    for (const char* name : {"nick", "nick3", "client4on2", "clienton1", "top10s84", "placek84",
                             "R12", "R01", "crdolkR2", "readtable410", "labeltevsave", "ok"}) {
        EXPECT_TRUE(isRequestFieldName(name)) << name;
    }
    for (const char* name : {"", "b", "top10", "top10sx84", "nickname", "x1", "Nick", "84"}) {
        EXPECT_FALSE(isRequestFieldName(name)) << name;
    }
}

TEST(FormBody, DecodersRefuseMalformedBodies)
{
    const QByteArray refusedAsList[] = {
        "nick",     "=x",       "nick=a=b",  "nick=%4",  "nick=%G1",
        "nick=a b", "nick=%C3", "nick=\xCC", "nick=%FF", "a=1&&b",
    };
    for (const QByteArray& body : refusedAsList) {
        EXPECT_EQ(decodeListForm(body), std::nullopt) << body.toStdString();
    }
    const QByteArray refusedAsRaw[] = {"nick", "=x", "&a=1", "ni ck=1", "a=\x98"};
    for (const QByteArray& body : refusedAsRaw) {
        EXPECT_EQ(decodeRawForm(body), std::nullopt) << body.toStdString();
        EXPECT_EQ(decodeFormBody(body), std::nullopt) << body.toStdString();
    }
}

TEST(FormBody, DecodersAreTolerantOfEmptyItemsAndEscapeCase)
{
    EXPECT_EQ(decodeListForm("&&a=%d0%b6&&&b=+&"),
              (FormFields{{"a", QStringLiteral("ж")}, {"b", " "}}));
    EXPECT_EQ(decodeRawForm("nick=1&&pw=2"), (FormFields{{"nick", "1&"}, {"pw", "2"}}));
    EXPECT_EQ(decodeRawForm("a=1&&b=2"), (FormFields{{"a", "1&&b=2"}}));
    EXPECT_EQ(decodeRawForm("a=&"), (FormFields{{"a", "&"}}));
    EXPECT_EQ(decodeRawForm(""), FormFields{});
}

TEST(FormBody, DecodersRefuseBodiesOverTheLimits)
{
    QByteArray many;
    for (int k = 0; k <= kMostFormFields; ++k) {
        many += (k ? "&" : "") + QByteArray("nick") + QByteArray::number(k) + "=1";
    }
    EXPECT_EQ(decodeRawForm(many), std::nullopt);
    EXPECT_EQ(decodeListForm(many), std::nullopt);
    const QByteArray longest = "a=" + QByteArray(kMostFormBody - 2, 'x');
    EXPECT_TRUE(decodeRawForm(longest));
    EXPECT_TRUE(decodeListForm(longest));
    EXPECT_EQ(decodeRawForm(longest + 'x'), std::nullopt);
    EXPECT_EQ(decodeFormBody(longest + 'x'), std::nullopt);
}

TEST(FormBody, RatingsInGeneralFormatWithAPoint)
{
    struct Case {
        double rating;
        QByteArray text;
    };
    const Case cases[] = {
        {0.0, "0"},
        {0.000001, "0"},
        {-0.000009, "0"},
        {0.00001, "0.00001"},
        {12.5, "12.5"},
        {-12.5, "-12.5"},
        {1500.0, "1500"},
        {100.0, "100"},
        {0.1, "0.1"},
        {1.0 / 3.0, "0.333333333333333"},
        {2.0 / 3.0, "0.666666666666667"},
        {123456789012345.0, "123456789012345"},
        {1234567890123456.0, "1.23456789012346E+15"},
        {99.99999999999999, "100"},
        {0.000123, "0.000123"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(formatRating(c.rating), c.text) << c.rating;
    }
    EXPECT_EQ(formatInteger(-42), "-42");
    EXPECT_EQ(formatInteger(2147483648LL), "2147483648");
}

}  // namespace
}  // namespace olk::online
