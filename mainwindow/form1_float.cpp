// The float in PicUKI: its answer to each fish step and its settling after a cast.
#include "fish/floatrules.h"
#include "mainwindow/form1.h"

namespace nuyo {

void Form1::drawFloat()
{
    PicUKI->paintPicture(ImgU->picture(), g.FloatX, g.FloatY, g.FloatWidth, g.FloatH, 0, 0, g.FloatSrcW, g.FloatH);
}

bool Form1::FloatBite(int kind, int type, int slot, int heading)
{
    if (floatAnswer(g, kind, type, slot, heading) == FloatMove::PulledUnder) {
        // Half the float shows for a moment; then floatUnderWater takes it out of sight.
        g.FloatH = g.FloatH / 2;
        g.FloatY = g.FloatY + g.FloatH;
        PicUKI->cls();
        drawFloat();
        return true;
    }
    PicUKI->cls();
    if (g.FloatY == 120) {
        floatAtRest(g);
        return false;
    }
    drawFloat();
    return false;
}

void Form1::floatUnderWater()
{
    // Pulled under: nothing shows until the next step draws the float at rest.
    g.FloatY = 120;
    PicUKI->cls();
    floatAtRest(g);
}

void Form1::Timer2_Timer()
{
    ++Timer2Count;
    g.FloatY += 3;
    g.FloatH -= 3;
    PicUKI->cls();
    drawFloat();
    if (Timer2Count > 20) {
        Timer3->setEnabled(true);
        Timer2->setEnabled(false);
        Timer2Count = 0;
    }
}

} // namespace nuyo
