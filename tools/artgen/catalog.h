// The list of files the generator writes, each with the code that makes its bytes.
#pragma once

#include <QByteArray>
#include <QString>
#include <QVector>

#include <functional>

namespace nuyo::art {

struct Output {
    QString path;                      // relative to the art folder
    std::function<QByteArray()> bytes; // the file's contents
};

QVector<Output> catalog();

} // namespace nuyo::art
