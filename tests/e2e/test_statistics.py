"""The player's record over three games, won, lost and answered, then read from the
"Estadísticas" window as a screen reader reads it, over AT-SPI."""
import harness as h
from atspi import Bus

TITLE = "Casablanca"


def given_vowel(session):
    session.wait_file_size("Temp.dat", 6)   # a new game holds its vowel alone, in both cases
    return session.read("Temp.dat")[2:3].decode().lower()


# Types each letter once, waiting for the game to record it before the next.
def say(program, session, game, letters):
    said = len(session.read("Temp.dat")) // 3
    for letter in letters:
        said += 1
        program.keys(game, "BackSpace", letter)
        session.wait_file_size("Temp.dat", 3 * said)


def test_three_games_kept_and_read_back_from_the_statistics_window():
    files = {"Filmotas.dat": h.movie_list([TITLE]), "Config.dat": h.settings(0, 1, 1)}
    with Bus() as bus, h.Session(h.BINARY, files) as session:
        program = session.start(env=bus.env)
        game = program.wait_window("Filmotas")
        vowel = given_vowel(session)   # won with one miss; "Sí" starts the next game
        say(program, session, game, ["x"] + [c for c in dict.fromkeys(TITLE.lower()) if c != vowel])
        program.answer_box("¿Otra vez?")
        given_vowel(session)
        say(program, session, game, "xkwqj")   # lost at the fifth miss
        program.answer_box("Has perdido")
        given_vowel(session)
        program.keys(game, "Tab", "space")      # "Responder", next to the letter box
        program.type_text(game, TITLE)
        program.keys(game, "Return")
        program.answer_box("¿Otra vez?")
        given_vowel(session)

        program.keys(game, "alt+a", "e")        # "&Estadísticas..."
        window = program.wait_window("Estadísticas")
        app = bus.application("Filmotas")
        stats = h.wait_for("the statistics window over AT-SPI",
                           lambda: next((w for w in app if w is not None and w.name == "Estadísticas"), None))
        objects = bus.pyatspi.findAllDescendants(stats, lambda o: o is not None)
        shown = {o.description: o.name for o in objects if o.description}
        assert [shown[n] for n in ("lblJugadas", "lblGanadas", "lblRachaActual", "lblMejorRacha", "lblAbandonadas")] == [
            "Partidas jugadas: 3", "Ganadas: 2 (67 %)", "Racha actual: 1", "Mejor racha: 1", "Abandonadas: 0"]
        assert next(o.name for o in objects if o.getRoleName() == "chart") == (
            "Partidas ganadas con 0 fallos: 1, con 1 fallo: 1, con 2 fallos: 0, "
            "con 3 fallos: 0, con 4 fallos: 0. Perdidas: 1.")
        assert not shown.get("lblIlegibles"), "unreadable lines told when there are none"
        program.keys(window, "Escape")
        program.wait_gone(window, "the statistics window")

        # The game under way, with no letter said, is not kept when the window closes.
        program.close_box(game)
        assert program.wait_exit() == 0, "exit code after the close box"
        lines = session.read("Historial.tsv").decode().split("\n")
        assert lines[0] == "fecha\tresultado\tfallos\tletras\tsegundos\ttítulo" and lines[-1] == "", "header, every line ended"
        kept = [line.split("\t")[1:] for line in lines[1:-1]]
        assert [fields[:3] + fields[4:] for fields in kept] == [
            ["ganada", "1", "x" + "".join(c for c in dict.fromkeys(TITLE.lower()) if c != vowel), TITLE],
            ["perdida", "5", "xkwqj", TITLE], ["acertada", "0", "", TITLE]]
