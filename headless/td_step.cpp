#include "headless/td_step.h"

namespace morvik {

float TdStep(PackedNet& net, const ActiveInputs& active, float target, float alpha) {
  NetTrace t;
  const float out = Forward(net, active, t);
  // d sigmoid / d sum = 2 gain y (1 - y).
  const double slope = 2.0 * static_cast<double>(net.gain);
  const double step = static_cast<double>(alpha) * (static_cast<double>(target) - out);
  const double dOut = step * slope * out * (1.0 - out);

  double d2[kHidden];
  for (int j = 0; j < kHidden; ++j) {
    const double h = t.hidden2[j];
    d2[j] = dOut * net.w3[j] * slope * h * (1.0 - h);
  }
  double d1[kHidden];
  for (int k = 0; k < kHidden; ++k) {
    double back = 0.0;
    for (int j = 0; j < kHidden; ++j) back += static_cast<double>(net.w2[k][j]) * d2[j];
    const double h = t.hidden1[k];
    d1[k] = back * slope * h * (1.0 - h);
  }

  for (int j = 0; j < kHidden; ++j) net.w3[j] += static_cast<float>(dOut * t.hidden2[j]);
  for (int k = 0; k < kHidden; ++k) {
    const double h = t.hidden1[k];
    for (int j = 0; j < kHidden; ++j) net.w2[k][j] += static_cast<float>(d2[j] * h);
  }
  for (int a = 0; a < active.count; ++a) {
    float* w = net.w1[active.index[a]];
    for (int k = 0; k < kHidden; ++k) w[k] += static_cast<float>(d1[k]);
  }
  return out;
}

}  // namespace morvik
