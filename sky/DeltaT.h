#pragma once

namespace kovrel {

// TT - UT in seconds at a Julian day of universal time.
//  - Before 1972: the cubic spline of Stephenson, Morrison & Hohenkerk (2016), in the revision of
//    Morrison et al. (2021, Table S15.2020), brought onto the value of 1972 over the year 1971.
//  - From 1972 on: 32.184 s + TAI - UTC, the leap seconds as ERFA's eraDat knows them.
//  - After the last leap second (2017 January 1): 69.184 s, carried on by the long-term trend
//    of the day's length of Morrison et al. (2021), 1.72 t - 3.5 sin(2 pi (t + 0.75) / 14) ms
//    with t in centuries from 1825, integrated from that date; it gives about 72 s in 2050.
double DeltaTSeconds(double julianDayUt);

} // namespace kovrel
