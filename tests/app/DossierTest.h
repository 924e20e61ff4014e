#pragma once

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

// Each test starts the program in a fresh folder of its own, made the current folder.
class DossierTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dossier.isValid());
        precedent = QDir::currentPath();
        QDir::setCurrent(dossier.path());
    }
    void TearDown() override { QDir::setCurrent(precedent); }

    QString chemin(const QString& nom) const { return dossier.filePath(nom); }
    QString config() const { return chemin("kpconfig.txt"); }

    void ecrire(const QString& nom, const QByteArray& octets) const {
        QFile f(chemin(nom));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(octets);
    }
    QByteArray lire(const QString& nom) const {
        QFile f(chemin(nom));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

    QTemporaryDir dossier;
    QString precedent;
};
