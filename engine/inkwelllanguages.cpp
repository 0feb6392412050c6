#include "inkwell.h"

#include "textrecognition.h"

// Apart from inkwell.cpp: the command line asks for the languages, and a program linking this
// object alone must not pull in every batch tool (and Qt's GUI library with them).
QStringList Inkwell::recognitionLanguages()
{
    return textrecognition::installedLanguages();
}

QString Inkwell::defaultRecognitionLanguages()
{
    return textrecognition::defaultLanguages();
}
