/* blinky: toggles the evaluation board's LED from the timer interrupt and keeps a
 * checksum of its configuration tables. Demo source for the TarnMap workspace. */
#include <stdint.h>

#define LED_PORT (*(volatile uint8_t *)0x0008C002u)
#define LED_DDR (*(volatile uint8_t *)0x0008C000u)
#define TIMER_CTRL (*(volatile uint16_t *)0x00088000u)
#define TIMER_CONST (*(volatile uint16_t *)0x00088004u)

#define LED_BIT 0x01u
#define TICKS_PER_BLINK 250u

extern const uint32_t main_crc_tab[16];
extern const uint8_t main_cfg1[64];

static volatile uint32_t ticks;
static uint8_t led_on;
uint32_t cfg_checksum;

/* Nibble-wise checksum over a table, with the 16-entry table in C. */
static uint32_t checksum(const uint8_t *data, uint32_t size)
{
    uint32_t crc = 0xFFFFFFFFu;
    uint32_t i;

    for (i = 0; i < size; i++) {
        crc = main_crc_tab[(crc ^ data[i]) & 0x0Fu] ^ (crc >> 4);
        crc = main_crc_tab[(crc ^ (data[i] >> 4)) & 0x0Fu] ^ (crc >> 4);
    }
    return ~crc;
}

static void timer_start(void)
{
    TIMER_CONST = 1000u;
    TIMER_CTRL = 0x0041u;
}

/* Writes the LED state to the port; the data direction is set once, on the first call, so
 * that the port keeps its other bits as the reset left them until the LED is first used.
 * The map listing places this function at the start of section P. */
static void main_write(uint8_t on)
{
    static uint8_t configured;

    if (!configured) {
        LED_DDR |= LED_BIT;
        configured = 1u;
    }
    if (on) {
        LED_PORT |= LED_BIT;
    } else {
        LED_PORT &= (uint8_t)~LED_BIT;
    }
}

void main_clear(void)
{
    ticks = 0u;
    led_on = 0u;
    main_write(0u);
}

void main_isr(void)
{
    if (++ticks >= TICKS_PER_BLINK) {
        ticks = 0u;
        led_on = (uint8_t)!led_on;
        main_write(led_on);
    }
}

int main(void)
{
    cfg_checksum = checksum(main_cfg1, sizeof main_cfg1);
    main_clear();
    timer_start();
    for (;;) {
        /* everything happens in main_isr */
    }
}
