// "Etikettenvorlage wählen" with the installed glabels templates: every column
// but the description fits without scrolling sideways, "Etikett" whole in
// every row. Runs on a plain screen and on scaled ones.

#include "paper/templatedatabase.h"
#include "paper/ui/templatechooser.h"

#include <QScrollBar>
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

    // Every column ends inside the list: nothing to scroll to.
    QTreeWidget* list = chooser.templateList;
    ASSERT_EQ(list->headerItem()->text(3), QStringLiteral("Etikett"));
    EXPECT_EQ(list->horizontalScrollBar()->maximum(), 0);
}

} // namespace
