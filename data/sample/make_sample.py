#!/usr/bin/env python3
"""Writes the sample school's Velmora export, exportacion_ies_rio_albeda.xml.

The school (IES Río Albeda) and every name in it are invented. The file is
written in ISO-8859-1, as the declaration says, so that the import meets the
same bytes a real export carries.

Usage: python3 make_sample.py [OUTPUT]
"""

import sys
from pathlib import Path
from xml.sax.saxutils import escape, quoteattr

OUTPUT = Path(__file__).with_name("exportacion_ies_rio_albeda.xml")

ACADEMIC_YEAR = "2026"

# Course key (X_OFERTAMATRIG of nivelex.csv), course name, unit letters.
COURSES = [
    ("6101", "1º ESO", "ABC"),
    ("6102", "2º ESO", "ABC"),
    ("6103", "3º ESO", "ABC"),
    ("6104", "4º ESO", "AB"),
    ("6201", "1º Bachillerato de Ciencias y Tecnología", "AB"),
    ("6211", "1º Bachillerato de Humanidades y Ciencias Sociales", "C"),
    ("6202", "2º Bachillerato de Ciencias y Tecnología", "A"),
    ("6212", "2º Bachillerato de Humanidades y Ciencias Sociales", "B"),
]

# Unit names follow the school's habit: number, stage, letter.
UNIT_STAGE = {"6101": "1º ESO", "6102": "2º ESO", "6103": "3º ESO", "6104": "4º ESO",
              "6201": "1º Bachillerato", "6211": "1º Bachillerato",
              "6202": "2º Bachillerato", "6212": "2º Bachillerato"}

# Subjects per course. Every subject becomes four weekly lessons per unit, so
# seven subjects (28 lessons) is the most a 30-period week can hold.
SUBJECTS = {
    "6101": ["Lengua Castellana y Literatura", "Matemáticas", "Inglés",
             "Geografía e Historia", "Biología y Geología", "Educación Física", "Música"],
    "6102": ["Lengua Castellana y Literatura", "Matemáticas", "Inglés",
             "Geografía e Historia", "Física y Química", "Educación Física",
             "Tecnología y Digitalización"],
    "6103": ["Lengua Castellana y Literatura", "Matemáticas", "Inglés",
             "Geografía e Historia", "Biología y Geología", "Física y Química",
             "Educación Física"],
    "6104": ["Lengua Castellana y Literatura", "Matemáticas", "Inglés",
             "Geografía e Historia", "Educación Física",
             "Educación Plástica, Visual y Audiovisual", "Economía y Emprendimiento"],
    "6201": ["Lengua Castellana y Literatura I", "Matemáticas I", "Inglés I", "Filosofía",
             "Física y Química", "Biología, Geología y Ciencias Ambientales"],
    "6211": ["Lengua Castellana y Literatura I",
             "Matemáticas Aplicadas a las Ciencias Sociales I", "Inglés I", "Filosofía",
             "Economía", "Historia del Mundo Contemporáneo"],
    "6202": ["Lengua Castellana y Literatura II", "Matemáticas II", "Inglés II",
             "Historia de España", "Química", "Biología"],
    "6212": ["Lengua Castellana y Literatura II",
             "Matemáticas Aplicadas a las Ciencias Sociales II", "Inglés II",
             "Historia de España", "Geografía", "Historia de la Filosofía"],
}

# (position 0: internal id, position 1: activity code, position 2: name)
ACTIVITIES = [
    ("501", "GUARDIA", "Guardia"),
    ("502", "BIBLIO", "Biblioteca"),
    ("503", "TUTORIA", "Tutoría con alumnado"),
    ("504", "REUDEP", "Reunión de departamento"),
    ("505", "GUARECREO", "Guardia de recreo"),
]

# (department, [(first surname, second surname, given name, date of taking up post)])
STAFF = [
    ("Lengua Castellana y Literatura", [
        ("Fernández", "Castro", "Lucía", "01/09/2009"),
        ("Rodríguez", "Iglesias", "Xoán", "01/09/2014"),
        ("Núñez", "Prieto", "Begoña", "01/09/2018"),
        ("Ortega", "Villar", "Ramón", "01/09/2021"),
        ("Pérez", "Ulloa", "Inés", "01/09/2024"),
    ]),
    ("Matemáticas", [
        ("García", "López", "María", "01/09/2005"),
        ("Gómez", "Lorenzo", "Miguel", "01/09/2012"),
        ("Sánchez", "Arias", "Teresa", "01/09/2016"),
        ("Domínguez", "Soto", "Álvaro", "01/09/2019"),
        ("Vázquez", "Méndez", "Noelia", "01/09/2023"),
    ]),
    ("Inglés", [
        ("Blanco", "Rey", "Patricia", "01/09/2008"),
        ("Losada", "Cid", "Andrés", "01/09/2013"),
        ("Quiroga", "Armesto", "Sonia", "01/09/2017"),
        ("Ferreiro", "Toba", "Daniel", "01/09/2020"),
        ("Calvo", "Rivas", "Elena", "01/09/2025"),
    ]),
    ("Geografía e Historia", [
        ("Álvarez", "Íñiguez", "Óscar", "01/09/2006"),
        ("Barreiro", "Novoa", "Carmen", "01/09/2011"),
        ("Outeiro", "Seoane", "Julián", "01/09/2015"),
        ("Meixide", "Campos", "Rosa", "01/09/2022"),
    ]),
    ("Biología y Geología", [
        ("Rivera", "Doval", "Marta", "01/09/2007"),
        ("Casal", "Piñeiro", "Héctor", "01/09/2016"),
        ("Lago", "Fraga", "Nerea", "01/09/2024"),
    ]),
    ("Física y Química", [
        ("Moure", "Valcárcel", "Sergio", "01/09/2010"),
        ("Pazos", "Bermúdez", "Alicia", "01/09/2018"),
        ("Carballo", "Eirís", "Tomás", "01/09/2023"),
    ]),
    ("Educación Física", [
        ("Souto", "Lema", "Raúl", "01/09/2004"),
        ("Vidal", "Couto", "Irene", "01/09/2017"),
        ("Rosende", "Mata", "Iván", "01/09/2025"),
    ]),
    ("Música", [
        ("Gil", "Amor", "Ángela", "01/09/2012"),
    ]),
    ("Tecnología", [
        ("Taboada", "Río", "Fernando", "01/09/2009"),
        ("Cortés", "Nieto", "Pilar", "01/09/2021"),
    ]),
    ("Dibujo", [
        ("Salgado", "Outón", "Beatriz", "01/09/2015"),
    ]),
    ("Economía", [
        ("Miranda", "Bouzas", "Jorge", "01/09/2019"),
    ]),
    ("Filosofía", [
        ("Estévez", "Lamas", "Adrián", "01/09/2011"),
        ("Varela", "Figueroa", "Clara", "01/09/2022"),
    ]),
    ("Orientación", [
        ("Conde", "Requejo", "Susana", "01/09/2013"),
        ("Torres", "Ameixeiras", "Pablo", "01/09/2020"),
    ]),
    ("Religión", [
        ("Paredes", "Ocampo", "Luis", "01/09/2003"),
    ]),
    ("Francés", [
        ("Lourido", "Brea", "Chantal", "01/09/2016"),
    ]),
    ("Cultura Clásica", [
        ("Agra", "Caamaño", "Emilio", "01/09/2010"),
    ]),
]

# Rooms: key (empty for spaces Velmora keeps without one) and name.
ROOMS = (
    [(f"30{n:03d}", f"Aula {floor}.{door:02d}")
     for n, (floor, door) in enumerate(
         [(f, d) for f in (0, 1, 2) for d in range(1, 7)], start=101)]
    + [
        ("", "Laboratorio de Física"),
        ("", "Laboratorio de Química"),
        ("", "Laboratorio de Biología"),
        ("30201", "Aula de Música"),
        ("30202", "Aula de Informática"),
        ("30203", "Aula de Dibujo"),
        ("", "Gimnasio"),
        ("", "Biblioteca"),
        ("30204", "Salón de actos"),
        ("30205", "Departamento de Orientación"),
    ]
)

# School-day templates and their slots: (start, end) in minutes after midnight.
TEMPLATES = [
    ("4401", "Jornada ordinaria, sesiones de 55 min", "08/09/2026", "31/05/2027",
     [(510, 565), (565, 620), (620, 675), (705, 760), (760, 815), (815, 870)]),
    ("4402", "Jornada de junio, sesiones de 60 min", "01/06/2027", "23/06/2027",
     [(480, 540), (540, 600), (600, 660), (690, 750), (750, 810), (810, 870)]),
]

ORDINALS = ["1ª", "2ª", "3ª", "4ª", "5ª", "6ª"]


def clock(minutes):
    return f"{minutes // 60:02d}:{minutes % 60:02d}"


def record(fields):
    """One record: a grupo_datos whose dato children are (name, value) pairs."""
    lines = ["      <grupo_datos>"]
    for name, value in fields:
        lines.append(f"        <dato nombre_dato={quoteattr(name)}>{escape(value)}</dato>")
    lines.append("      </grupo_datos>")
    return lines


def group(seq, records):
    lines = [f'    <grupo_datos seq="{seq}" registros="{len(records)}">']
    for fields in records:
        lines += record(fields)
    lines.append("    </grupo_datos>")
    return lines


def materias():
    records = []
    for course_key, _, _ in COURSES:
        for n, name in enumerate(SUBJECTS[course_key], start=1):
            records.append([("X_OFERTAMATRIG", course_key),
                            ("X_MATERIAOMG", f"{course_key}{n:02d}"),
                            ("D_MATERIAC", name)])
    return records


def actividades():
    return [[("X_ACTIVIDAD", ident), ("C_ACTIVIDAD", code), ("D_ACTIVIDAD", name)]
            for ident, code, name in ACTIVITIES]


def empleados():
    records = []
    key = 10231
    for department, people in STAFF:
        for surname1, surname2, given, since in people:
            records.append([("X_EMPLEADO", str(key)), ("F_TOMAPOS", since),
                            ("D_DEPARTAMENTO", department), ("APELLIDO1", surname1),
                            ("APELLIDO2", surname2), ("NOMBRE", given)])
            key += 7
    return records


def dependencias():
    return [[("X_DEPENDENCIA", key), ("D_DEPENDENCIA", name)] for key, name in ROOMS]


def cursos():
    return [[("X_OFERTAMATRIG", key), ("D_OFERTAMATRIG", name)] for key, name, _ in COURSES]


def unidades():
    records = []
    key = 52001
    for course_key, _, letters in COURSES:
        for letter in letters:
            records.append([("X_UNIDAD", str(key)),
                            ("T_NOMBRE", f"{UNIT_STAGE[course_key]} {letter}"),
                            ("X_OFERTAMATRIG", course_key)])
            key += 1
    return records


def jornadas():
    return [[("X_JORNADA", code), ("D_JORNADA", name), ("F_INICIO", first), ("F_FIN", last)]
            for code, name, first, last, _ in TEMPLATES]


def tramos():
    records = []
    key = 7101
    for code, _, _, _, slots in TEMPLATES:
        for ordinal, (start, end) in zip(ORDINALS, slots):
            records.append([("X_TRAMO", str(key)),
                            ("T_HORCEN", f"{ordinal} {clock(start)}-{clock(end)}"),
                            ("N_INICIO", str(start)), ("N_FIN", str(end)),
                            ("X_JORNADA", code)])
            key += 1
    return records


def document():
    lines = [
        '<?xml version="1.0" encoding="ISO-8859-1"?>',
        '<SERVICIO modulo="HORARIOS" tipo="E" autor="VELMORA" '
        'fecha="14/07/2026 10:42:17" centro="32019944" '
        'nombre_centro="IES Río Albeda">',
        "  <BLOQUE_DATOS>",
        '    <grupo_datos seq="ANNO_ACADEMICO">',
        f'      <dato nombre_dato="C_ANNO">{ACADEMIC_YEAR}</dato>',
        "    </grupo_datos>",
    ]
    lines += group("MATERIAS", materias())
    lines += group("ACTIVIDADES", actividades())
    lines += group("EMPLEADOS", empleados())
    lines += group("DEPENDENCIAS", dependencias())
    lines += group("CURSOS_DEL_CENTRO", cursos())
    lines += group("UNIDADES", unidades())
    lines += group("JORNADAS_ESCOLARES", jornadas())
    lines += group("TRAMOS_HORARIOS", tramos())
    lines += ["  </BLOQUE_DATOS>", "</SERVICIO>", ""]
    return "\n".join(lines)


def main():
    output = Path(sys.argv[1]) if len(sys.argv) > 1 else OUTPUT
    output.write_bytes(document().encode("iso-8859-1"))


if __name__ == "__main__":
    main()
