#pragma once

#include "GuiSession.h"
#include "app/CommandIds.h"

#include <QCoreApplication>

#include <gtest/gtest.h>

namespace vantrel::testing {

// A test of the whole desktop program, offscreen, over a simulated radio.
class GuiTest : public ::testing::Test, protected GuiSession {
protected:
    // Starts the program and reads the simulated radio, so that an image is in memory.
    void startWithRadioRead() {
        ASSERT_TRUE(startApp());
        putRadio();
        choose(command::kReadRadio);
        ASSERT_TRUE(client().radioRead());
        ui.clear();
    }
};

}  // namespace vantrel::testing
