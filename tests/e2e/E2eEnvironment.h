// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class TestDesktop;

// The one private desktop of this test program, started before the first
// real-window test and stopped after the last. The test program itself is a
// client of that desktop too (it takes the screenshots).
namespace E2e {

// The running desktop, or null: then skipReason() says which tools are
// missing, or startError() why the desktop did not come up.
TestDesktop* desktop();
QString skipReason();
QString startError();

}

// In a test body: skips loudly without the tools, fails when they are there
// but the desktop could not be started.
#define E2E_REQUIRE_DESKTOP()                                                   \
    do {                                                                        \
        if (!E2e::skipReason().isEmpty())                                       \
            GTEST_SKIP() << E2e::skipReason().toStdString();                    \
        ASSERT_NE(E2e::desktop(), nullptr) << E2e::startError().toStdString();  \
    } while (false)
