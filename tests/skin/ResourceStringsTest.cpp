#include "skin/Suiresdef.h"

#include <gtest/gtest.h>

#include <string>

namespace
{
TEST(ResourceStrings, ControlBoxMenuTexts)
{
    EXPECT_EQ(std::string(SUI_TITLE_MENUITEM_MINIMIZE), "Mi&nimize");
    EXPECT_EQ(std::string(SUI_TITLE_MENUITEM_MAXIMIZE), "Ma&ximize/Restore");
    EXPECT_EQ(SUI_TITLE_MENUITEM_CLOSE.Text(), "&Close");
    EXPECT_EQ(FindStringResource("sui_title_menuitem_close"), "&Close");
}
} // namespace
