#include "paper/paperfile.h"
#include "paper/ui/paperformatdialog.h"
#include "paper/ui/placementpage.h"
#include "paper/ui/placementview.h"
#include "support/mainformfixture.h"
#include "widgets/scrollbox.h"

#include <QComboBox>
#include <QDoubleSpinBox>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>

namespace {

class PaperCatalogueTest : public MainFormTest {
  protected:
    PlacementPage& page() { return *form->placementPage; }
    QComboBox& list() { return *page().ComboBox1; }

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
            proposed = form.NameED->text();
            if (fill) fill(form);
            return int(QDialog::Accepted);
        });
        page().NewBtn->click();
        return proposed;
    }
    void addNamed(const QString& name) {
        addFormat([&](PaperFormatDialog& dialog) { dialog.NameED->setText(name); });
    }
};

void fillSample(PaperFormatDialog& dialog) {
    dialog.RLED->setValue(10);
    dialog.ROED->setValue(5);
    dialog.BrED->setValue(90);
    dialog.HoED->setValue(55);
    dialog.AHED->setValue(2);
    dialog.AVED->setValue(3);
}

} // namespace

TEST_F(PaperCatalogueTest, WithoutPaperFileTheListIsEmptyAndChangeAndDeleteDoNothing) {
    EXPECT_EQ(list().count(), 0);
    EXPECT_EQ(list().currentIndex(), -1);
    EXPECT_EQ(form->shell().paperCatalogue().count(), 0);
    // Unscripted dialogs would fail the test.
    page().EditBtn->click();
    page().DelBtn->click();
    EXPECT_TRUE(dialogs.modalDialogs.empty());
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_TRUE(paperFile().isEmpty());
}

TEST_F(PaperCatalogueTest, DialogStartsWithItsInitialValues) {
    addFormat([](PaperFormatDialog& dialog) {
        EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Papierformat bearbeiten"));
        EXPECT_EQ(dialog.NameED->maxLength(), 50);
        EXPECT_EQ(dialog.RLED->value(), 0);
        EXPECT_EQ(dialog.RLED->maximum(), 3000);
        EXPECT_EQ(dialog.ROED->maximum(), 1000);
        EXPECT_EQ(dialog.BrED->value(), 90);
        EXPECT_EQ(dialog.HoED->value(), 55);
        EXPECT_EQ(dialog.AHED->value(), 0);
        EXPECT_EQ(dialog.AVED->value(), 0);
        EXPECT_EQ(dialog.AnzHED->value(), 2);
        EXPECT_EQ(dialog.AnzVED->value(), 5);
        EXPECT_EQ(dialog.AnzVED->minimum(), 1);
        EXPECT_EQ(dialog.AnzVED->maximum(), 50);
        EXPECT_EQ(dialog.BrED->decimals(), 2);
        EXPECT_TRUE(dialog.OkBitBtn1->isDefault());
    });
    EXPECT_EQ(dialogs.modalDialogs, std::vector<QString>{QStringLiteral("NewETypForm")});

    PaperFormatDialog& dialog = page().NewETypForm();
    dialog.CancelBitBtn->click();
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
    dialog.OkBitBtn1->click();
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
        EXPECT_EQ(form.AHED->value(), 2);
        EXPECT_EQ(form.AVED->value(), 3);
        EXPECT_EQ(form.RLED->value(), 10);
        EXPECT_EQ(form.NameED->text(), QStringLiteral("Kein Name0"));
        form.NameED->setText(QStringLiteral("Avery"));
        form.AHED->setValue(4);
        return int(QDialog::Rejected);
    });
    page().EditBtn->click();
    EXPECT_EQ(form->shell().paperCatalogue().formats()[0].StepX, 92); // cancelled: unchanged
    EXPECT_EQ(names(), std::vector<QString>{QStringLiteral("Kein Name0")});
}

TEST_F(PaperCatalogueTest, DialogKeepsItsValuesAndProposesTheNextNumber) {
    addFormat(fillSample);
    addNamed(QStringLiteral("B"));
    QString proposed = addFormat([](PaperFormatDialog& dialog) {
        EXPECT_EQ(dialog.RLED->value(), 10); // from the earlier use
        EXPECT_EQ(dialog.AVED->value(), 3);
        dialog.AnzHED->setValue(3);
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
        form.NameED->setText(QStringLiteral("B2"));
        form.BrED->setValue(120);
        return int(QDialog::Accepted);
    });
    page().EditBtn->click();
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
    page().DelBtn->click();
    EXPECT_EQ(form->shell().paperCatalogue().count(), 3);

    dialogs.answerMessage(MsgAnswer::Ok);
    page().DelBtn->click();
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
    page().DelBtn->click();
    EXPECT_EQ(list().count(), 0);
    EXPECT_EQ(list().currentIndex(), -1);
    EXPECT_EQ(paperFile(), QByteArray::fromHex("AFFC000000000000"));
    EXPECT_EQ(page().PaintBox2->size(), QSize(300, 300));
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
