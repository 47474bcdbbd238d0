#include "paper/paperfile.h"
#include "paper/ui/paperformatdialog.h"
#include "paper/ui/placementpage.h"
#include "paper/ui/placementview.h"
#include "support/mainwindowfixture.h"
#include "widgets/scrollbox.h"

#include <QComboBox>
#include <QDoubleSpinBox>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>

namespace {

class PaperCatalogueTest : public MainWindowTest {
  protected:
    PlacementPage& page() { return *form->placementPage; }
    QComboBox& list() { return *page().formatCombo; }

    QByteArray paperFile() {
        QFile file(paperFilePath(programDir()));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    void writePaperFile(const QByteArray& bytes) {
        QFile file(paperFilePath(programDir()));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    std::vector<QString> names() {
        std::vector<QString> shown;
        for (int i = 0; i < list().count(); ++i)
            shown.push_back(list().itemText(i));
        return shown;
    }

    // "&Neu" with the dialog filled by `fill` and closed with OK; returns the
    // name the dialog proposed.
    QString addFormat(std::function<void(PaperFormatDialog&)> fill = {}) {
        QString proposed;
        dialogs.answerModal([&](QDialog& dialog) {
            auto& form = static_cast<PaperFormatDialog&>(dialog);
            proposed = form.nameEdit->text();
            if (fill) fill(form);
            return int(QDialog::Accepted);
        });
        page().newFormatButton->click();
        return proposed;
    }
    void addNamed(const QString& name) {
        addFormat([&](PaperFormatDialog& dialog) { dialog.nameEdit->setText(name); });
    }
};

void fillSample(PaperFormatDialog& dialog) {
    dialog.leftMarginSpin->setValue(10);
    dialog.topMarginSpin->setValue(5);
    dialog.labelWidthSpin->setValue(90);
    dialog.labelHeightSpin->setValue(55);
    dialog.pitchXSpin->setValue(2);
    dialog.pitchYSpin->setValue(3);
}

} // namespace

TEST_F(PaperCatalogueTest, WithoutPaperFileTheListIsEmptyAndChangeAndDeleteDoNothing) {
    EXPECT_EQ(list().count(), 0);
    EXPECT_EQ(list().currentIndex(), -1);
    EXPECT_EQ(form->shell().paperCatalogue().count(), 0);
    // Unscripted dialogs would fail the test.
    page().editFormatButton->click();
    page().deleteFormatButton->click();
    EXPECT_TRUE(dialogs.modalDialogs.empty());
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_TRUE(paperFile().isEmpty());
}

TEST_F(PaperCatalogueTest, DialogStartsWithItsInitialValues) {
    addFormat([](PaperFormatDialog& dialog) {
        EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Papierformat bearbeiten"));
        EXPECT_EQ(dialog.nameEdit->maxLength(), 50);
        EXPECT_EQ(dialog.leftMarginSpin->value(), 0);
        EXPECT_EQ(dialog.leftMarginSpin->maximum(), 3000);
        EXPECT_EQ(dialog.topMarginSpin->maximum(), 1000);
        EXPECT_EQ(dialog.labelWidthSpin->value(), 90);
        EXPECT_EQ(dialog.labelHeightSpin->value(), 55);
        EXPECT_EQ(dialog.pitchXSpin->value(), 0);
        EXPECT_EQ(dialog.pitchYSpin->value(), 0);
        EXPECT_EQ(dialog.columnsSpin->value(), 2);
        EXPECT_EQ(dialog.rowsSpin->value(), 5);
        EXPECT_EQ(dialog.rowsSpin->minimum(), 1);
        EXPECT_EQ(dialog.rowsSpin->maximum(), 50);
        EXPECT_EQ(dialog.labelWidthSpin->decimals(), 2);
        EXPECT_TRUE(dialog.okButton->isDefault());
    });
    EXPECT_EQ(dialogs.modalDialogs, std::vector<QString>{QStringLiteral("paperFormatDialog")});

    PaperFormatDialog& dialog = page().paperFormatDialog();
    dialog.cancelButton->click();
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
    dialog.okButton->click();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
}

TEST_F(PaperCatalogueTest, NewFormatIsStoredAsPitchesAndReopensWithItsGaps) {
    EXPECT_EQ(addFormat(fillSample), QStringLiteral("Kein Name0"));
    ASSERT_EQ(form->shell().paperCatalogue().count(), 1);
    const PaperType& paper = form->shell().paperCatalogue().formats()[0];
    EXPECT_EQ(paper.LeftMargin, 10);
    EXPECT_EQ(paper.TopMargin, 5);
    EXPECT_EQ(paper.StepX, 92);
    EXPECT_EQ(paper.StepY, 58);
    EXPECT_EQ(paper.LabelWidth, 90);
    EXPECT_EQ(paper.LabelHeight, 55);
    EXPECT_EQ(paper.CountX, 2);
    EXPECT_EQ(paper.CountY, 5);
    EXPECT_EQ(names(), std::vector<QString>{QStringLiteral("Kein Name0")});
    EXPECT_EQ(list().currentIndex(), 0);
    EXPECT_EQ(paperFile(), ::writePaperFile(form->shell().paperCatalogue().formats()));

    // Another window reads the same catalogue back.
    createForm();
    ASSERT_EQ(form->shell().paperCatalogue().count(), 1);
    EXPECT_EQ(form->shell().paperCatalogue().formats()[0].StepY, 58);
    EXPECT_EQ(list().currentIndex(), 0);

    dialogs.answerModal([](QDialog& dialog) {
        auto& form = static_cast<PaperFormatDialog&>(dialog);
        EXPECT_EQ(form.pitchXSpin->value(), 2);
        EXPECT_EQ(form.pitchYSpin->value(), 3);
        EXPECT_EQ(form.leftMarginSpin->value(), 10);
        EXPECT_EQ(form.nameEdit->text(), QStringLiteral("Kein Name0"));
        form.nameEdit->setText(QStringLiteral("Avery"));
        form.pitchXSpin->setValue(4);
        return int(QDialog::Rejected);
    });
    page().editFormatButton->click();
    EXPECT_EQ(form->shell().paperCatalogue().formats()[0].StepX, 92); // cancelled: unchanged
    EXPECT_EQ(names(), std::vector<QString>{QStringLiteral("Kein Name0")});
}

TEST_F(PaperCatalogueTest, DialogKeepsItsValuesAndProposesTheNextNumber) {
    addFormat(fillSample);
    addNamed(QStringLiteral("B"));
    QString proposed = addFormat([](PaperFormatDialog& dialog) {
        EXPECT_EQ(dialog.leftMarginSpin->value(), 10); // from the earlier use
        EXPECT_EQ(dialog.pitchYSpin->value(), 3);
        dialog.columnsSpin->setValue(3);
    });
    EXPECT_EQ(proposed, QStringLiteral("Kein Name2"));
    EXPECT_EQ(names(), (std::vector<QString>{QStringLiteral("Kein Name0"), QStringLiteral("B"),
                                             QStringLiteral("Kein Name2")}));
    EXPECT_EQ(list().currentIndex(), 2);
    EXPECT_EQ(form->shell().paperCatalogue().formats()[2].CountX, 3);
}

TEST_F(PaperCatalogueTest, ChangeOverwritesTheSelectedFormatAndKeepsTheSelection) {
    addNamed(QStringLiteral("A"));
    addNamed(QStringLiteral("B"));
    list().setCurrentIndex(1);
    dialogs.answerModal([](QDialog& dialog) {
        auto& form = static_cast<PaperFormatDialog&>(dialog);
        form.nameEdit->setText(QStringLiteral("B2"));
        form.labelWidthSpin->setValue(120);
        return int(QDialog::Accepted);
    });
    page().editFormatButton->click();
    EXPECT_EQ(names(), (std::vector<QString>{QStringLiteral("A"), QStringLiteral("B2")}));
    EXPECT_EQ(list().currentIndex(), 1);
    EXPECT_EQ(form->shell().paperCatalogue().formats()[1].LabelWidth, 120);
    EXPECT_EQ(readPaperFile(paperFile())->at(1).displayName(), QStringLiteral("B2"));
}

TEST_F(PaperCatalogueTest, DeletingTheFirstOfThreeKeepsTheOrder) {
    addNamed(QStringLiteral("A"));
    addNamed(QStringLiteral("B"));
    addNamed(QStringLiteral("C"));
    list().setCurrentIndex(0);

    dialogs.answerMessage(MsgAnswer::Cancel);
    page().deleteFormatButton->click();
    EXPECT_EQ(form->shell().paperCatalogue().count(), 3);

    dialogs.answerMessage(MsgAnswer::Ok);
    page().deleteFormatButton->click();
    ASSERT_EQ(dialogs.messages.size(), 2u);
    EXPECT_EQ(dialogs.messages[1].text, QStringLiteral("Hiermit löschen Sie den Papiertyp unwiederrufbar."));
    EXPECT_EQ(dialogs.messages[1].caption, QStringLiteral("Hinweis"));
    EXPECT_EQ(dialogs.messages[1].buttons, MsgButtons::OkCancel);
    EXPECT_EQ(dialogs.messages[1].icon, MsgIcon::Error);
    EXPECT_EQ(names(), (std::vector<QString>{QStringLiteral("B"), QStringLiteral("C")}));
    EXPECT_EQ(list().currentIndex(), 0);
    const auto stored = readPaperFile(paperFile());
    ASSERT_TRUE(stored);
    ASSERT_EQ(stored->size(), 2u);
    EXPECT_EQ(paperFile().mid(4, 4), QByteArray::fromHex("02000000"));
    EXPECT_EQ((*stored)[0].displayName(), QStringLiteral("B"));
}

TEST_F(PaperCatalogueTest, DeletingTheOnlyFormatLeavesAnEmptyFile) {
    addNamed(QStringLiteral("A"));
    dialogs.answerMessage(MsgAnswer::Ok);
    page().deleteFormatButton->click();
    EXPECT_EQ(list().count(), 0);
    EXPECT_EQ(list().currentIndex(), -1);
    EXPECT_EQ(paperFile(), QByteArray::fromHex("AFFC000000000000"));
    EXPECT_EQ(page().placementView->size(), QSize(300, 300));
}

TEST_F(PaperCatalogueTest, ForeignFileIsIgnoredAndOverwrittenByTheNextChange) {
    writePaperFile(QByteArray::fromHex("B0FC000001000000") + QByteArray(112, 'x'));
    createForm();
    EXPECT_EQ(list().count(), 0);
    EXPECT_EQ(addFormat(), QStringLiteral("Kein Name0"));
    const auto stored = readPaperFile(paperFile());
    ASSERT_TRUE(stored);
    EXPECT_EQ(stored->size(), 1u);
}

TEST_F(PaperCatalogueTest, TruncatedFileKeepsItsCompleteRecords) {
    std::vector<PaperType> formats(2);
    formats[0].setName(QStringLiteral("A"));
    formats[1].setName(QStringLiteral("B"));
    writePaperFile(::writePaperFile(formats).chopped(1));
    createForm();
    EXPECT_EQ(names(), std::vector<QString>{QStringLiteral("A")});
    EXPECT_EQ(list().currentIndex(), 0);
}
