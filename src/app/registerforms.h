#pragma once

namespace rvl92 {
// Makes every form of the program known to Forms by name.
void registerForms();
} // namespace rvl92
