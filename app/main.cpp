// SPDX-License-Identifier: GPL-3.0-or-later
#include "CZYLApp.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    std::vector<std::string> args;
    for (int i = 1; i < argc; ++i)
        args.emplace_back(argv[i]);
    CZYLApp zyl;
    int exitCode = 0;
    if (!zyl.InitInstance(args, exitCode))
        return exitCode;
    return app.exec();
}
