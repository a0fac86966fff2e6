// Each list test starts and ends with empty lists and the normal add mode.
#pragma once

#include <gtest/gtest.h>

#include "app/settings.h"
#include "lists/string_lists.h"

class ListsTest : public ::testing::Test {
protected:
    void SetUp() override { reset(); }
    void TearDown() override { reset(); }
    static void reset()
    {
        lists_reset_all();
        g_settings.addmode = 0;
    }
};
