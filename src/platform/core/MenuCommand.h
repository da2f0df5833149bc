#pragma once

#include "platform/core/StationMenu.h"

#include <QList>
#include <functional>

// A command a feature offers the station's menu: which item, and what choosing it does
// once the station's access gate has let it through.
struct MenuCommand
{
    StationMenu::Command command;
    std::function<void()> run;
};

using MenuCommands = QList<MenuCommand>;
