#include "fish/fish.h"

#include "host/host.h"

namespace nuyo {

int towardThree(int v)
{
    return v == 3 ? v : (v > 3 ? v - 1 : v + 1);
}

bool NUYOObject::move()
{
    switch (VEC) {
    case 1:
        if (--PosY <= 0) {
            VEC = 2;
            PosX = towardThree(PosX);
        }
        return true;
    case 2:
        if (++PosY >= 8) {
            VEC = 1;
            PosX = towardThree(PosX);
        }
        return true;
    case 3:
        if (++PosX >= 8) {
            VEC = 4;
            PosY = towardThree(PosY);
        }
        return true;
    case 4:
        if (--PosX <= 0) {
            VEC = 3;
            PosY = towardThree(PosY);
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

int NUYOObject::Task(Host &host)
{
    if (!move())
        host.msgBox(QStringLiteral("Vec = ERROR!"), MsgBox::OkOnly, QString());
    return cellKind(PosX, PosY);
}

} // namespace nuyo
