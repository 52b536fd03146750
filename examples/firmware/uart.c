/* A polled UART driver writing into a ring buffer that a debugger can read. */
#include "uart.h"

#define RING_SIZE 64

static char ring[RING_SIZE];
static unsigned head;
unsigned uart_bytes_sent;

void uart_put(char c) {
    ring[head++ % RING_SIZE] = c;
    uart_bytes_sent++;
}

void uart_write(const char *text) {
    while (*text)
        uart_put(*text++);
}
