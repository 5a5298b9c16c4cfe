// Whether values a document keeps can go to a controller as they are. The download image holds
// them in fields of 14, 15, 16 or 32 bits, some as a double times 100 or as the count of a
// smaller unit (minutes, seconds, hundredths); a value beyond its field, or a double that is no
// number, would reach the controller cut to another value without a word. The load refuses a
// file that holds such a value, and the encoder refuses to build an image of one.
#pragma once

#include "platform/core/Types.h"

class CBlockObj;

// A value times 100 as the image sends it: the hundredths a value of two decimals shows (0.57 is
// 56.999... hundredths as a double, which truncation would send as 56), truncated toward zero
// for a value with more decimals than the sheet's box takes. A value that is no number gives 0.
double SentHundredths(double dValue);
// An analog output's fixed value in volts, sent as hundredths in an unsigned word.
bool IsSendableAqFixedValue(double dValue);
// A factor sent times 100 in a signed word (an analog gain, a PI controller's KC).
bool IsSendableHundredths(double dValue);
// A time of a larger and a smaller part, sent as a count of the smaller unit (nPerUnit of them
// in one larger unit) that must not pass nMost.
bool IsSendableTime(long long nHigh, long long nLow, int nPerUnit, long long nMost);

// Every value of the block that its record carries in such a field.
bool HasSendableValues(const CBlockObj& block);
