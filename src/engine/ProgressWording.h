#pragma once

// The two progress texts: Excel's is built from the message table ("Complete 3  from
// 10" in English), Calc's is fixed English ("Complete 3 from 10").
enum class ProgressWording { Excel, Calc };
