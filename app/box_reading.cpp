#include "app/box_reading.h"

BoxReading ReadBoxes(BoxText width, BoxText height, BoxText diagonal)
{
    BoxReading reading;
    ToReaderBytes(diagonal, reading.diagonal);
    reading.width = ReadResolution(width);
    reading.height = ReadResolution(height);
    return reading;
}
