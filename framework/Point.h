#pragma once
#include <windows.h>

struct CPoint : POINT {
    CPoint() : POINT{ 0, 0 } {}
    CPoint(int xPos, int yPos) : POINT{ xPos, yPos } {}
};
