// A job saved and opened again in the window prints the same: size, shifts,
// paper format, used positions, copies, sheet and the clip choice come back.

#include "document/jobhistory.h"
#include "paper/papercatalogue.h"
#include "paper/paperedit.h"
#include "paper/paperfile.h"
#include "paper/ui/placementpage.h"
#include "print/ui/printpage.h"
#include "support/mainwindowfixture.h"
#include "support/testimages.h"
#include "support/userinput.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QDoubleSpinBox>
#include <QFile>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QSpinBox>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>

namespace {

const LabelShape kDisc{LabelShape::Kind::Disc, 0, 58.5, 11};

PaperType format(const QString& name, double pitchGap) {
    PaperType paper;
    applyDialogValues(paper, PaperDialogValues{name, 10, 12, 117, 117, pitchGap, 3, 2, 3});
    return paper;
}

// A number with two decimals as the user types it in this locale.
QString typed(double value) {
    return QLocale().toString(value, 'f', 2);
}

class PrintSettingsTest : public MainWindowTest {
  protected:
    void SetUp() override {
        PaperCatalogue catalogue(programDir());
        catalogue.add(format(QStringLiteral("Etiketten"), 2));
        catalogue.add(format(QStringLiteral("CD"), 2), kDisc);
        ASSERT_TRUE(catalogue.save());
        createForm();
        form->job.replaceImage(gradientImage24(30, 20));
    }

    PlacementPage& placement() { return *form->placementPage; }
    PrintPage& print() { return *form->printPage; }
    QString path(const char* name) const { return programDir() + QLatin1String(name); }

    void showTab(int index) {
        QTabBar* tabs = form->pageTabs->tabBar();
        QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(index).center());
        ASSERT_EQ(form->pageTabs->currentIndex(), index);
    }
    // The format list on "Zentrieren", moved with the arrow keys.
    void stepFormat(Qt::Key key) {
        showTab(3);
        placement().formatCombo->setFocus();
        QTest::keyClick(placement().formatCombo, key);
    }
    void typePlacement(int size, double right, double down) {
        showTab(3);
        retype(placement().widthSpin, QString::number(size));
        retype(placement().leftSpin, typed(right));
        retype(placement().topSpin, typed(down));
    }
    void typePrintValues(int used, int copies, int sheet) {
        showTab(4);
        retype(print().copiesSpin, QString::number(copies));
        retype(print().usedSpin, QString::number(used));
        retype(print().sheetSpin, QString::number(sheet));
    }
    void saveAs(const QString& file) {
        dialogs.answerSaveFile(FileAnswer{file, 1});
        QTest::mouseClick(form->saveCoverAsButton, Qt::LeftButton);
    }
    // "Neu" and "Öffnen..." ask about unsaved changes first: they are dropped.
    void discardChanges() {
        if (!form->job.history().isSaved()) dialogs.answerMessage(MsgAnswer::Discard);
    }
    void clickNew() {
        discardChanges();
        QTest::mouseClick(form->newCoverButton, Qt::LeftButton);
    }
    void open(const QString& file) {
        discardChanges();
        dialogs.answerOpenFile(FileAnswer{file, 1});
        QTest::mouseClick(form->openCoverButton, Qt::LeftButton);
    }

    // The CD format with size 80 %, shifts −2.75 and 1.5 mm, 3 used, 14
    // copies, sheet 2 shown and the clip choice turned off: what the tests save.
    void setUpTheJob() {
        stepFormat(Qt::Key_Down);
        ASSERT_EQ(placement().formatCombo->currentText(), QStringLiteral("CD"));
        typePlacement(80, -2.75, 1.5);
        typePrintValues(3, 14, 2);
        ASSERT_TRUE(print().clipCheck->isChecked()) << "a disc starts clipped";
        QTest::mouseClick(print().clipCheck, Qt::LeftButton);
        ASSERT_FALSE(print().clipCheck->isChecked());
    }
    void expectTheJob() {
        EXPECT_EQ(placement().formatCombo->currentText(), QStringLiteral("CD"));
        ASSERT_TRUE(form->job.paperFormat());
        EXPECT_EQ(form->job.paperFormat()->displayName(), QStringLiteral("CD"));
        EXPECT_EQ(form->job.labelShape(), std::optional<LabelShape>(kDisc));
        EXPECT_EQ(placement().widthSpin->value(), 80);
        EXPECT_EQ(placement().leftSpin->value(), -2.75);
        EXPECT_EQ(placement().topSpin->value(), 1.5);
        EXPECT_EQ(form->job.placement(), (PlacementValues{80, -2.75, 1.5}));
        EXPECT_EQ(print().usedSpin->value(), 3);
        EXPECT_EQ(print().copiesSpin->value(), 14);
        EXPECT_EQ(print().sheetSpin->value(), 2);
        EXPECT_FALSE(print().clipCheck->isChecked());
        EXPECT_EQ(form->job.printValues(), (PrintValues{3, 14, 2, false}));
    }
    // Other values everywhere, as a user leaves them before opening a file.
    void typeOtherValues() {
        stepFormat(Qt::Key_Up);
        ASSERT_EQ(placement().formatCombo->currentText(), QStringLiteral("Etiketten"));
        typePlacement(120, 4, -6.25);
        typePrintValues(1, 2, 1);
    }
};

} // namespace

TEST_F(PrintSettingsTest, SavedNewAndOpenedTheJobHasAllItsValuesBack) {
    setUpTheJob();
    saveAs(path("job.cov"));
    clickNew();
    typeOtherValues();
    open(path("job.cov"));
    EXPECT_TRUE(dialogs.scriptDone());
    expectTheJob();
    showTab(4);
    expectTheJob(); // showing the sheet corrects nothing
    EXPECT_EQ(form->statusText(), QString());
    EXPECT_EQ(form->shell().paperCatalogue().count(), 2);
}

TEST_F(PrintSettingsTest, AFormatTheCatalogueLacksIsAddedSavedAndChosen) {
    setUpTheJob();
    saveAs(path("job.cov"));
    // Another machine: "CD" there has other gaps, and no shapes are known.
    form.reset();
    QFile::remove(labelShapeFilePath(programDir()));
    ASSERT_TRUE(SaveEttTypes({format(QStringLiteral("Etiketten"), 2), format(QStringLiteral("CD"), 5)},
                             programDir()));
    createForm();

    open(path("job.cov"));
    expectTheJob();
    EXPECT_EQ(placement().formatCombo->currentIndex(), 2);
    EXPECT_EQ(form->statusText(), QStringLiteral("Papierformat \"CD\" aus dem Cover hinzugefügt"));
    const std::optional<std::vector<PaperType>> saved = readPaperFileAt(paperFilePath(programDir()));
    ASSERT_TRUE(saved);
    ASSERT_EQ(saved->size(), 3u);
    EXPECT_EQ(encodePaperType(saved->back()), encodePaperType(*form->job.paperFormat()));
    EXPECT_EQ(readLabelShapesAt(programDir(), *saved).back(), std::optional<LabelShape>(kDisc));

    // Opened again, the format is found: nothing more is added, the line goes.
    open(path("job.cov"));
    EXPECT_EQ(form->shell().paperCatalogue().count(), 3);
    EXPECT_EQ(form->statusText(), QString());
}

TEST_F(PrintSettingsTest, AnAddedFormatThatCannotBeSavedIsStillChosenAndSaysSo) {
    setUpTheJob();
    saveAs(path("job.cov"));
    form.reset();
    ASSERT_TRUE(SaveEttTypes({format(QStringLiteral("Etiketten"), 2)}, programDir()));
    createForm();
    // paper.dat can no longer be replaced: a folder stands in its place.
    ASSERT_TRUE(QFile::remove(paperFilePath(programDir())));
    ASSERT_TRUE(QDir().mkpath(paperFilePath(programDir()) + QStringLiteral("/kept")));

    open(path("job.cov"));
    expectTheJob();
    EXPECT_EQ(form->statusText(),
              QStringLiteral("Papierformat \"CD\" aus dem Cover hinzugefügt, aber nicht gespeichert"));
}

TEST_F(PrintSettingsTest, WithoutACompleteBlockTheValuesStayAsTheyAre) {
    setUpTheJob();
    saveAs(path("job.cov"));
    QFile saved(path("job.cov"));
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    const QByteArray bytes = saved.readAll();
    const qsizetype block = bytes.lastIndexOf("CDCOVJOB");
    ASSERT_GT(block, 0);
    typeOtherValues();
    const PlacementValues placed = form->job.placement();
    const PrintValues values = form->job.printValues();

    for (qsizetype cut = block; cut < bytes.size(); ++cut) {
        QFile file(path("cut.cov"));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(bytes.left(cut));
        file.close();
        open(path("cut.cov"));
        ASSERT_EQ(form->job.fileName(), path("cut.cov")) << "opened, not refused, at " << cut;
        EXPECT_EQ(placement().formatCombo->currentText(), QStringLiteral("Etiketten")) << cut;
        EXPECT_EQ(form->job.placement(), placed) << cut;
        EXPECT_EQ(form->job.printValues(), values) << cut;
    }
    EXPECT_EQ(placement().widthSpin->value(), 120);
    EXPECT_EQ(print().copiesSpin->value(), 2);
    for (const FakeDialogs::Message& message : dialogs.messages)
        EXPECT_NE(message.icon, MsgIcon::Error) << message.text.toStdString();
}
