#include "catalog/contentsdocument.h"

#include <gtest/gtest.h>

namespace iconsmith {
namespace {

using namespace Qt::StringLiterals;

TEST(ContentsDocument, IsWrittenInXcodesOwnLayout)
{
    ContentsDocument document;
    document.images = {{u"Icon-20@2x.png"_s, u"iphone"_s, u"2x"_s, u"20x20"_s},
                       {u"ios-marketing.png"_s, u"ios-marketing"_s, u"1x"_s, u"1024x1024"_s}};
    const QByteArray expected = "{\n"
                                "  \"images\" : [\n"
                                "    {\n"
                                "      \"filename\" : \"Icon-20@2x.png\",\n"
                                "      \"idiom\" : \"iphone\",\n"
                                "      \"scale\" : \"2x\",\n"
                                "      \"size\" : \"20x20\"\n"
                                "    },\n"
                                "    {\n"
                                "      \"filename\" : \"ios-marketing.png\",\n"
                                "      \"idiom\" : \"ios-marketing\",\n"
                                "      \"scale\" : \"1x\",\n"
                                "      \"size\" : \"1024x1024\"\n"
                                "    }\n"
                                "  ],\n"
                                "  \"info\" : {\n"
                                "    \"author\" : \"xcode\",\n"
                                "    \"version\" : 1\n"
                                "  }\n"
                                "}\n";
    EXPECT_EQ(document.toJson(), expected);
}

TEST(ContentsDocument, AnEmptyImageListIsStillAnArray)
{
    const QByteArray json = ContentsDocument().toJson();
    const Result<ContentsDocument> read = ContentsDocument::fromJson(json);
    ASSERT_TRUE(read);
    EXPECT_TRUE(read->images.isEmpty());
    EXPECT_EQ(read->author, u"xcode"_s);
    EXPECT_EQ(read->version, 1);
    EXPECT_TRUE(json.contains("\"images\" : [\n\n  ],"));
}

TEST(ContentsDocument, NonAsciiAndSpecialCharactersSurviveAsUtf8)
{
    ContentsDocument document;
    document.images = {{u"Icône \"20\"\\@2x.png"_s, u"iphone"_s, u"2x"_s, u"20x20"_s}};
    const QByteArray json = document.toJson();
    EXPECT_TRUE(json.contains("Ic\xc3\xb4ne \\\"20\\\"\\\\@2x.png"));
    const Result<ContentsDocument> read = ContentsDocument::fromJson(json);
    ASSERT_TRUE(read);
    EXPECT_EQ(read->images, document.images);
}

TEST(ContentsDocument, RejectsTextThatIsNotADocument)
{
    const Result<ContentsDocument> unfinished = ContentsDocument::fromJson("{ \"images\" : [");
    EXPECT_FALSE(unfinished);
    EXPECT_FALSE(unfinished.error().isEmpty());
    EXPECT_FALSE(ContentsDocument::fromJson("[1, 2]"));
}

} // namespace
} // namespace iconsmith
