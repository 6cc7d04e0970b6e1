// A window test that runs in its own empty current folder, so that the language
// file "Default.pa4" one test writes is never read by another.
#pragma once

#include <gtest/gtest.h>

#include <QDir>
#include <QString>
#include <QTemporaryDir>

namespace kalvesta {

class InTemporaryFolder : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(folder_.isValid());
        previous_ = QDir::currentPath();
        QDir::setCurrent(folder_.path());
    }
    void TearDown() override { QDir::setCurrent(previous_); }

private:
    QTemporaryDir folder_;
    QString previous_;
};

}  // namespace kalvesta
