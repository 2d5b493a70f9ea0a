#pragma once
// A user-visible text in both languages of the program.

#include <QString>
#include <QStringView>

struct Bilingual
{
    QStringView english;
    QStringView swedish;

    QString text(bool swedishLanguage) const { return (swedishLanguage ? swedish : english).toString(); }
};
