#pragma once
// "alluninstall": every trace of this product and of the two older ones, each file after a question,
// each failure reported.
namespace pvn {

void removeAllProducts();

} // namespace pvn
