#include "batch/jobinfo.h"

#include "base/cp1252.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <gtest/gtest.h>

TEST(JobInfo, EveryObjectFieldUnderItsRecordNameTextsAsUtf8) {
    cover::CoverDocument document;
    document.pageWidth = 41994584;
    document.pageHeight = 59393549;
    document.viewZoom = 1.0;
    document.unitsPerScreenPixel = 105833.125;
    document.image = createImage(7, 3, 8);
    AnnotationObject text;
    text.Kind = KindText;
    text.Left = -5;
    text.Shape = 1;
    text.FillMode = int32_t(0x00FF00FF);
    text.Shadow = true;
    text.Reserved1 = 9;
    text.Text = toCp1252(QStringLiteral("Grüße €\rZeile 2"));
    text.FontName = QByteArrayLiteral("Times New Roman");
    text.FontStyle = StyleBold | StyleUnderline;
    AnnotationObject figure;
    figure.Kind = KindFigure;
    figure.Width = 300;
    document.objects = {{10000, text}, {3, figure}, {3, figure}};
    figure.LineWidth = 4;
    document.objects.push_back({3, figure}); // a later record for a slot wins

    const QJsonObject job = QJsonDocument::fromJson(jobInfoJson(document)).object();
    EXPECT_EQ(job["pageWidth"].toInt(), 41994584);
    EXPECT_EQ(job["unitsPerScreenPixel"].toDouble(), 105833.125);
    EXPECT_EQ(job["image"].toObject()["bitCount"].toInt(), 8);
    EXPECT_EQ(job["image"].toObject()["colors"].toInt(), 256);
    const QJsonArray objects = job["objects"].toArray();
    ASSERT_EQ(objects.size(), 2);
    const QJsonObject first = objects[0].toObject();
    EXPECT_EQ(first["slot"].toInt(), 3);
    EXPECT_EQ(first["LineWidth"].toInt(), 4);
    EXPECT_EQ(first["Width"].toInt(), 300);
    const QJsonObject second = objects[1].toObject();
    EXPECT_EQ(second["slot"].toInt(), 10000);
    EXPECT_EQ(second["Left"].toInt(), -5);
    EXPECT_EQ(second["Shape"].toInt(), 1);
    EXPECT_EQ(second["FillMode"].toInt(), 0x00FF00FF);
    EXPECT_EQ(second["Shadow"].toInt(), 1);
    EXPECT_EQ(second["Reserved1"].toInt(), 9);
    EXPECT_EQ(second["Text"].toString(), QStringLiteral("Grüße €\rZeile 2"));
    EXPECT_EQ(second["FontName"].toString(), QStringLiteral("Times New Roman"));
    EXPECT_EQ(second["FontStyle"].toInt(), 5);
    EXPECT_EQ(second.size(), 27) << "slot and the 26 fields of the record";
}

TEST(JobInfo, PrintSettingsAppearOnlyWhenTheFileKeepsThemAndTheShapeOnlyWhenKnown) {
    cover::CoverDocument document;
    document.image = createImage(2, 2, 24);
    EXPECT_FALSE(QJsonDocument::fromJson(jobInfoJson(document)).object().contains("printSettings"));

    PaperType paper;
    paper.setName(QStringLiteral("Hülle"));
    document.printSettings = PrintSettings{{}, {}, paper, std::nullopt};
    QJsonObject settings =
        QJsonDocument::fromJson(jobInfoJson(document)).object()["printSettings"].toObject();
    EXPECT_EQ(settings["paperFormat"].toObject()["Name"].toString(), QStringLiteral("Hülle"));
    EXPECT_FALSE(settings.contains("labelShape"));

    document.printSettings->shape = LabelShape{LabelShape::Kind::Disc, 0, 58.5, 11};
    settings = QJsonDocument::fromJson(jobInfoJson(document)).object()["printSettings"].toObject();
    EXPECT_EQ(settings["labelShape"].toObject()["kind"].toString(), QStringLiteral("Disc"));
    EXPECT_EQ(settings["labelShape"].toObject()["outerRadiusMm"].toDouble(), 58.5);
}
