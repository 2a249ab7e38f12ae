#pragma once

class CalcOffice;

// The Calc start test of the office detection: a hidden new spreadsheet
// ("private:factory/scalc") is opened and closed. False on any failure.
bool CalcStartTest(CalcOffice &office);
