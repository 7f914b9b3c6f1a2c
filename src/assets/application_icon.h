#pragma once

#include <QIcon>

namespace assets {

// The program's icon: the alarm clock of the dial centre, at the usual icon sizes.
QIcon applicationIcon();

} // namespace assets
