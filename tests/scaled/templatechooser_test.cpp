// "Etikettenvorlage wählen" with the installed glabels templates: every column
// but the description fits without scrolling sideways, "Etikett" whole in
// every row. Runs on a plain screen and on scaled ones.

#include "paper/templatedatabase.h"
#include "paper/ui/templatechooser.h"

#include <QHeaderView>
#include <QScrollBar>
#include <QStyle>
#include <QTest>
#include <QTreeWidget>

#include <gtest/gtest.h>

namespace {

TEST(TemplateChooserAtEveryScaleTest, TheLabelSizeColumnIsWholeWithoutScrolling) {
    ASSERT_TRUE(qEnvironmentVariableIsEmpty("CDCOVER_TEMPLATE_DIRS"));
    TemplateDatabase installed = loadTemplateDatabase(templateFolders());
    ASSERT_GT(installed.templates.size(), 100u) << "glabels-data is not installed";
    TemplateChooser chooser(std::move(installed));
    chooser.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&chooser));

    QTreeWidget* list = chooser.TemplateList;
    EXPECT_EQ(list->horizontalScrollBar()->maximum(), 0);
    constexpr int labelColumn = 3;
    ASSERT_EQ(list->headerItem()->text(labelColumn), QStringLiteral("Etikett"));
    const QHeaderView* header = list->header();
    EXPECT_LE(header->sectionViewportPosition(labelColumn) + header->sectionSize(labelColumn),
              list->viewport()->width());
    // The item text's margins on either side, as the style draws them.
    const int margins = 2 * (list->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, list) + 1);
    int widest = 0;
    for (int row = 0; row < list->topLevelItemCount(); ++row)
        widest = std::max(widest,
                          list->fontMetrics().horizontalAdvance(list->topLevelItem(row)->text(labelColumn)));
    EXPECT_LE(widest + margins, header->sectionSize(labelColumn));
}

} // namespace
