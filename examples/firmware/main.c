/* Example firmware: blinks a LED pattern from a table and reports over the UART. Two routines
 * share one RAM window as an overlay: calibration runs once, then the control loop. */
#include "uart.h"

static const unsigned char pattern[8] = {1, 0, 1, 1, 0, 0, 1, 0};
volatile unsigned led_state;
unsigned ticks = 100;

__attribute__((section(".ovl_calibrate"), noinline)) int calibrate(int raw) {
    return raw * 3 / 2;
}

__attribute__((section(".ovl_control"), noinline)) int control(int error) {
    return error > 0 ? error / 4 : -error / 4;
}

static void step(unsigned i) {
    led_state = pattern[i % sizeof pattern];
}

int main(void) {
    uart_write("tarn firmware\n");
    int gain = calibrate(8);
    for (unsigned i = 0; i < ticks; ++i) {
        step(i);
        gain = control(gain - (int)i);
    }
    return gain;
}
