#pragma once

#include "app/ProgramPaths.h"

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace tunbox::test {

// Makes sure the test process has the program's application object.
void EnsureApplication();

// Path of a language module built from tests/app/modules/<name>.ts.
QString BuiltModule(const QString& name);

void WriteFile(const QString& path, const QByteArray& bytes);
QByteArray ReadFile(const QString& path);

// The program installed in a temporary folder: the executable path
// <tmp>/bin/tunbox-rpu-klt (the file itself need not exist), the documents
// subfolder <tmp>/documents/Tunbox-RPU-KLT and a private language store, so the
// real user's settings are never touched. Each test starts with an empty
// catalogue, the program's own texts active and the C locale.
class ProgramFixture : public ::testing::Test {
  protected:
    enum class Place { BesideProgram, Documents };

    void SetUp() override;
    void TearDown() override;

    // Copies the built module <name> to where the program looks for extension.
    void InstallModule(const QString& name, const QString& extension,
                       Place place = Place::BesideProgram);
    // Writes the settings file beside the program.
    void WriteSettings(const QByteArray& content);

    QTemporaryDir dir_;
    ProgramPaths paths_;
};

} // namespace tunbox::test
