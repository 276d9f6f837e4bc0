"""Leaving the program: the settings file is written whatever closes the game window."""
import harness as h

ONE_TITLE = {"Filmotas.dat": h.movie_list(["Casablanca"])}


def first_run_creates_settings_and_writes_defaults_on_menu_exit(binary):
    with h.Session(binary, ONE_TITLE) as session:
        game = session.start_game()
        h.check_bytes(session.read("Config.dat"), b"", "Config.dat created empty at start-up")
        temp = session.read("Temp.dat")
        h.check(len(temp) == 6, f"Temp.dat after start must be 6 bytes, found {len(temp)}")
        h.given_vowel(temp)
        game.exit_by_menu()
        h.check(game.program.wait_exit() == 0, "exit code after Salir")
        h.check_bytes(session.read("Config.dat"), bytes.fromhex("01 00 31 00 01 00 30 00 01 00 31 00"),
                      "Config.dat after Archivo > Salir")
        h.check_bytes(session.read("Temp.dat"), temp, "Temp.dat left in place on exit")


def close_box_writes_back_what_was_read(binary):
    # "05" is read as 5 and written back without the leading zero.
    stored = h.records(["05", "1", "0"], 4)
    with h.Session(binary, {**ONE_TITLE, "Config.dat": stored}) as session:
        game = session.start_game()
        game.program.close_box(game.window)
        h.check(game.program.wait_exit() == 0, "exit code after the close box")
        h.check_bytes(session.read("Config.dat"), h.settings(5, 1, 0), "Config.dat after the close box")


def salir_button_rewrites_records_in_place(binary):
    # Padding that is not zero is rewritten as zeros; bytes after record 3 stay.
    stored = bytes.fromhex("02 00 31 30  01 00 30 EE  01 00 30 EE") + b"tail"
    with h.Session(binary, {**ONE_TITLE, "Config.dat": stored}) as session:
        game = session.start_game()
        game.exit_by_button()
        h.check(game.program.wait_exit() == 0, "exit code after the Salir button")
        h.check_bytes(session.read("Config.dat"), h.settings(10, 0, 0) + b"tail",
                      "Config.dat after the Salir button")


if __name__ == "__main__":
    h.run([first_run_creates_settings_and_writes_defaults_on_menu_exit,
           close_box_writes_back_what_was_read,
           salir_button_rewrites_records_in_place])
