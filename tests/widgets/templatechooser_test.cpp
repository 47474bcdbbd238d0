#include "document/coverjob.h"
#include "paper/labelshapefile.h"
#include "paper/papercatalogue.h"
#include "paper/paperfile.h"
#include "paper/ui/paperformatdialog.h"
#include "paper/ui/placementpage.h"
#include "paper/ui/templatechooser.h"
#include "support/mainwindowfixture.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>
#include <QTreeWidget>

namespace {

// The tests' own template files stand in for the installed database.
class TemplateChooserTest : public MainWindowTest {
  protected:
    void SetUp() override {
        qputenv("CDCOVER_TEMPLATE_DIRS", CDCOVER_TESTS_DIR "/templates");
        MainWindowTest::SetUp();
    }
    void TearDown() override {
        MainWindowTest::TearDown();
        qunsetenv("CDCOVER_TEMPLATE_DIRS");
    }
    PlacementPage& page() { return *form->placementPage; }
    PaperCatalogue& catalogue() { return form->shell().paperCatalogue(); }

    // Answers the next chooser: types `search`, clicks row `row`, then OK.
    void chooseInChooser(const QString& search, int row, int* rowsShown = nullptr) {
        dialogs.answerModal([=](QDialog& dialog) {
            auto& chooser = static_cast<TemplateChooser&>(dialog);
            QTest::keyClicks(chooser.searchEdit, search);
            if (rowsShown) *rowsShown = chooser.templateList->topLevelItemCount();
            QTreeWidget* list = chooser.templateList;
            QTreeWidgetItem* item = list->topLevelItem(row);
            if (!item) return int(QDialog::Rejected);
            QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(item).center());
            QTest::mouseClick(chooser.okButton, Qt::LeftButton);
            return chooser.result();
        });
    }
    QByteArray fileBytes(const QString& path) {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
};

} // namespace

TEST_F(TemplateChooserTest, VorlageFillsTheFormatDialogAndTheShapeIsStoredBesidePaperDat) {
    int rows = 0;
    dialogs.answerModal([&](QDialog& dialog) {
        auto& formatDialog = static_cast<PaperFormatDialog&>(dialog);
        chooseInChooser(QStringLiteral("cd-cut"), 1, &rows);
        QTest::mouseClick(formatDialog.templateButton, Qt::LeftButton);
        EXPECT_EQ(formatDialog.nameEdit->text(), QStringLiteral("Testa CD-Cut (2)"));
        EXPECT_DOUBLE_EQ(formatDialog.topMarginSpin->value(), 160);
        EXPECT_DOUBLE_EQ(formatDialog.labelWidthSpin->value(), 110);
        EXPECT_EQ(formatDialog.rowsSpin->value(), 1);
        return int(QDialog::Accepted);
    });
    QTest::mouseClick(page().newFormatButton, Qt::LeftButton);
    EXPECT_EQ(rows, 2); // one row per grid
    EXPECT_TRUE(dialogs.scriptDone());

    ASSERT_EQ(catalogue().count(), 1);
    ASSERT_TRUE(catalogue().shape(0));
    EXPECT_EQ(catalogue().shape(0)->kind, LabelShape::Kind::Disc);
    EXPECT_EQ(form->job.labelShape(), catalogue().shape(0));
    EXPECT_TRUE(form->job.printValues().clipToShape); // on by default for discs

    // paper.dat holds the plain records; the shape lives in its own file and is found again.
    const std::optional<std::vector<PaperType>> records = readPaperFileAt(paperFilePath(programDir()));
    ASSERT_TRUE(records);
    EXPECT_EQ(records->size(), 1u);
    createForm();
    EXPECT_EQ(catalogue().shape(0)->holeRadiusMm, 20);
}

TEST_F(TemplateChooserTest, TheDiscFilterAndTheSearchNarrowTheList) {
    TemplateChooser chooser(loadTemplateDatabase(templateFolders()));
    const int all = chooser.templateList->topLevelItemCount();
    EXPECT_EQ(all, 10); // nine products, one of them with two grids
    QTest::mouseClick(chooser.discOnlyCheck, Qt::LeftButton);
    EXPECT_EQ(chooser.templateList->topLevelItemCount(), 3);
    QTest::keyClicks(chooser.searchEdit, QStringLiteral("cut"));
    EXPECT_EQ(chooser.templateList->topLevelItemCount(), 2);
    EXPECT_FALSE(chooser.hintLabel->text().isEmpty()); // says the grids print apart
    QTest::mouseClick(chooser.discOnlyCheck, Qt::LeftButton);
    chooser.searchEdit->clear();
    QTest::keyClicks(chooser.searchEdit, QStringLiteral("oval labels"));
    ASSERT_EQ(chooser.templateList->topLevelItemCount(), 1);
    const QTreeWidgetItem* oval = chooser.templateList->topLevelItem(0);
    EXPECT_EQ(oval->text(3), QStringLiteral("60 × 30 mm"));
    EXPECT_EQ(oval->text(4), QStringLiteral("3"));
    EXPECT_EQ(oval->text(5), QStringLiteral("100 × 150 mm"));
    QTest::keyClicks(chooser.searchEdit, QStringLiteral("x"));
    EXPECT_FALSE(chooser.okButton->isEnabled());
    EXPECT_FALSE(chooser.chosenFormat());
}

TEST_F(TemplateChooserTest, WithoutPaperDatTheFirstStartOffersTheChooser) {
    ASSERT_FALSE(QFile::exists(paperFilePath(programDir())));
    EXPECT_TRUE(page().firstTemplateButton->isVisibleTo(&page()));
    chooseInChooser(QStringLiteral("testa cd-2"), 0);
    QTest::mouseClick(page().firstTemplateButton, Qt::LeftButton);

    ASSERT_EQ(page().formatCombo->count(), 1);
    EXPECT_EQ(page().formatCombo->currentText(), QStringLiteral("Testa CD-2"));
    EXPECT_TRUE(QFile::exists(paperFilePath(programDir())));
    EXPECT_TRUE(form->job.paperFormat());
    EXPECT_FALSE(page().firstTemplateButton->isVisibleTo(&page()));
}

TEST_F(TemplateChooserTest, AnExistingEmptyPaperDatIsLeftAloneAndNothingIsOffered) {
    QFile empty(paperFilePath(programDir()));
    ASSERT_TRUE(empty.open(QIODevice::WriteOnly));
    empty.write(writePaperFile({}));
    empty.close();
    const QByteArray before = fileBytes(paperFilePath(programDir()));
    createForm();
    EXPECT_FALSE(page().firstTemplateButton->isVisibleTo(&page()));
    EXPECT_EQ(fileBytes(paperFilePath(programDir())), before);
    EXPECT_FALSE(QFile::exists(labelShapeFilePath(programDir())));
}
