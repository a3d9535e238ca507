#include "fish/fish.h"

#include "host/host.h"

namespace nuyo {

int towardThree(int v)
{
    return v == 3 ? v : (v > 3 ? v - 1 : v + 1);
}

bool Fish::move()
{
    switch (heading) {
    case 1:
        if (--y <= 0) {
            heading = 2;
            x = towardThree(x);
        }
        return true;
    case 2:
        if (++y >= 8) {
            heading = 1;
            x = towardThree(x);
        }
        return true;
    case 3:
        if (++x >= 8) {
            heading = 4;
            y = towardThree(y);
        }
        return true;
    case 4:
        if (--x <= 0) {
            heading = 3;
            y = towardThree(y);
        }
        return true;
    default:
        return false;
    }
}

int cellKind(int x, int y)
{
    if (x == 3 && y == 3)
        return 1;
    if (x == 2 && y == 3)
        return 2;
    if (x == 4 && y == 3)
        return 3;
    if (x == 3 && (y == 2 || y == 4))
        return 4;
    return 0;
}

int Fish::step(Host &host)
{
    if (!move())
        host.msgBox(QStringLiteral("Vec = ERROR!"), MsgBox::OkOnly, QString());
    return cellKind(x, y);
}

} // namespace nuyo
