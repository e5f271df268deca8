// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Some window tests need what is fixed when the application starts (the
// screen, the locale): they run themselves again in a child process.

#include <string>

#include <QCoreApplication>
#include <QProcess>
#include <QProcessEnvironment>

#include <gtest/gtest.h>

namespace tamsel::test {

// Runs this test program once more for the one test `name`, with `env`, and
// tells whether that test passed there.
inline ::testing::AssertionResult PassesInChild(const char* name, const QProcessEnvironment& env) {
    QProcess child;
    child.setProcessEnvironment(env);
    child.setProcessChannelMode(QProcess::MergedChannels);
    child.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--gtest_filter=") + name});
    if (!child.waitForFinished(60000)) return ::testing::AssertionFailure() << "the child did not finish";
    const std::string output = child.readAll().toStdString();
    if (child.exitCode() != 0 || output.find("[  PASSED  ] 1 test.") == std::string::npos) {
        return ::testing::AssertionFailure() << output;
    }
    return ::testing::AssertionSuccess();
}

}  // namespace tamsel::test
