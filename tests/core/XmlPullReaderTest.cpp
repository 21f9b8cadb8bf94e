#include "output/XmlPullReader.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tallar {
namespace {

// The nodes of a document, one text each: "<a", "</a", "T:text", "B:blank", "C:cdata", and
// "E:<line>:<column>:<message>" for an error.
std::vector<std::string> nodes(std::string_view bytes) {
    XmlPullReader reader(bytes);
    std::vector<std::string> out;
    for (;;) {
        switch (reader.next()) {
        case XmlPullReader::Node::ElementStart:
            out.push_back("<" + reader.name());
            break;
        case XmlPullReader::Node::ElementEnd:
            out.push_back("</" + reader.name());
            break;
        case XmlPullReader::Node::Text:
            out.push_back((reader.blank() ? "B:" : "T:") + reader.text());
            break;
        case XmlPullReader::Node::CData:
            out.push_back("C:" + reader.text());
            break;
        case XmlPullReader::Node::End:
            return out;
        case XmlPullReader::Node::Error: {
            const FilePlace place = placeOf(bytes, reader.offset());
            out.push_back("E:" + std::to_string(place.line) + ":" + std::to_string(place.column) +
                          ":" + reader.error());
            return out;
        }
        }
    }
}

using Nodes = std::vector<std::string>;

TEST(XmlPullReader, ReportsEmptyCDataAndAdjacentSectionsAsSeparateNodes) {
    EXPECT_EQ(nodes("<a><![CDATA[]]></a>"), (Nodes{"<a", "C:", "</a"}));
    EXPECT_EQ(nodes("<a><![CDATA[x]]]]><![CDATA[>y]]></a>"), (Nodes{"<a", "C:x]]", "C:>y", "</a"}));
    // CDATA keeps markup and line ends as they stand.
    EXPECT_EQ(nodes("<a><![CDATA[<b>&amp;\r\n]]></a>"), (Nodes{"<a", "C:<b>&amp;\r\n", "</a"}));
}

TEST(XmlPullReader, DecodesWindows1250AndReferencesInText) {
    EXPECT_EQ(nodes("<a>\xAF\xF3\xB3w &lt;&#261;&#x0179;&gt;</a>"),
              (Nodes{"<a", "T:Żółw <ąŹ>", "</a"}));
    EXPECT_EQ(nodes("<a><![CDATA[\x8C\x9F]]></a>"), (Nodes{"<a", "C:Śź", "</a"}));
}

TEST(XmlPullReader, SkipsCommentsAndMarksBlankText) {
    EXPECT_EQ(nodes("\r\n<a>\r\n <!-- <b> --><c/>\t</a>\r\n<!-- end -->\n"),
              (Nodes{"<a", "B:\r\n ", "<c", "</c", "B:\t", "</a"}));
}

TEST(XmlPullReader, RefusesWhatIsNotWellFormedAtItsPlace) {
    EXPECT_EQ(nodes("<a>\n<b></a>").back(), "E:2:4:znacznik </a> zamyka element <b>");
    EXPECT_EQ(nodes("<a>\n</a></a>").back(), "E:2:5:znacznik </a> bez otwarcia");
    EXPECT_EQ(nodes("<a>x &amp y</a>").back(),
              "E:1:6:znak „&” poza odwołaniem do znaku (należy pisać „&amp;”)");
    EXPECT_EQ(nodes("<a>&#xD800;</a>").back(), "E:1:4:niepoprawne odwołanie do znaku „&#xD800;”");
    // Beyond the last character, however many digits: out of range.
    EXPECT_EQ(nodes("<a>&#1114112;</a>").back(),
              "E:1:4:odwołanie do znaku „&#1114112;” poza zakresem (największy znak to U+10FFFF)");
    EXPECT_EQ(nodes("<a>&#99999999999999999999;</a>").back(),
              "E:1:4:odwołanie do znaku „&#9999999999999999…;” poza zakresem (największy znak "
              "to U+10FFFF)");
    EXPECT_EQ(nodes("<a>&#x" + std::string(100000, 'F') + ";</a>").back(),
              "E:1:4:odwołanie do znaku „&#xFFFFFFFFFFFFFFFF…;” poza zakresem (największy znak "
              "to U+10FFFF)");
    EXPECT_EQ(nodes("<a>&#x10FFFF;</a>").back(),
              "E:1:4:znaku U+10FFFF nie da się zapisać w kodzie Windows-1250");
    EXPECT_EQ(nodes("<a>&#12a;</a>").back(), "E:1:4:niepoprawne odwołanie do znaku „&#12a;”");
    EXPECT_EQ(nodes("<a>&#;</a>").back(), "E:1:4:niepoprawne odwołanie do znaku „&#;”");
    EXPECT_EQ(nodes("<a>&#65</a>").back(),
              "E:1:4:znak „&” poza odwołaniem do znaku (należy pisać „&amp;”)");
    EXPECT_EQ(nodes("<a>&#0;</a>").back(), "E:1:4:niepoprawne odwołanie do znaku „&#0;”");
    EXPECT_EQ(nodes("<a><![CDATA[x]]</a>").back(),
              "E:1:4:plik urywa się w połowie: niezamknięta sekcja CDATA");
    EXPECT_EQ(nodes("<a><!-- x -></a>").back(),
              "E:1:4:plik urywa się w połowie: niezamknięty komentarz");
    EXPECT_EQ(nodes("x<a/>").back(), "E:1:1:tekst poza elementem głównym");
    EXPECT_EQ(nodes("<a><1/></a>").back(), "E:1:4:niepoprawna nazwa elementu po „<”");
    EXPECT_EQ(nodes("<a></a ").back(),
              "E:1:8:plik urywa się w połowie: niezamknięty znacznik </a>");
    EXPECT_EQ(nodes("<a>\n").back(), "E:2:1:plik urywa się w połowie: brak znacznika </a>");
}

TEST(XmlPullReader, StaysAtTheEndOrTheError) {
    XmlPullReader done("<a/>");
    while (done.next() != XmlPullReader::Node::End) {
    }
    EXPECT_EQ(done.next(), XmlPullReader::Node::End);
    XmlPullReader broken("<a>");
    while (broken.next() != XmlPullReader::Node::Error) {
    }
    EXPECT_EQ(broken.next(), XmlPullReader::Node::Error);
}

} // namespace
} // namespace tallar
