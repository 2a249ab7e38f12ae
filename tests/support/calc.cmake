# Test doubles of the Calc back-end (added to tablevane_testsupport).
