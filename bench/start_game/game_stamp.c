/* Stands in for the game in the Start Game benchmark: writes the moment it
   began running (nanoseconds of the monotonic clock, which every process of
   the machine shares) to "game_started" in its working directory, and ends. */
#include <stdio.h>
#include <time.h>

int main(void) {
    struct timespec now;
    clock_gettime(CLOCK_MONOTONIC, &now);
    FILE* stamp = fopen("game_started", "w");
    if (!stamp) return 1;
    fprintf(stamp, "%lld\n", (long long)now.tv_sec * 1000000000LL + now.tv_nsec);
    return fclose(stamp) != 0;
}
