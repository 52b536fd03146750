#ifndef UART_H
#define UART_H
void uart_put(char c);
void uart_write(const char *text);
extern unsigned uart_bytes_sent;
#endif
