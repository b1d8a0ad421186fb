#!/usr/bin/env python3
"""Builds thermo/data/zorvek_thermo.txt, the program's component library, from the public source data.

Run by hand (python3, standard library only) when the sources or the selection rules change:

    scripts/make_thermo_data.py [SOURCE_FOLDER] [OUTPUT_FOLDER]

SOURCE_FOLDER defaults to ../shared/thermo-data beside the repository, OUTPUT_FOLDER to thermo/data.
It reads the ChemSep pure-component XML, the ChemSep/DECHEMA NRTL pairs and the two DDBST UNIFAC
tables, keeps the components whose data hold together, and writes one plain text file plus the licence
of the ChemSep data beside it. Every rule that drops or changes something is reported on stdout.

What is checked for each component:
- a CAS number, a normal boiling point and a vapour pressure in DIPPR equation 101 with its range;
- a formula, taken from the SMILES (or the condensed structure formula), whose molar mass agrees with
  the data's molecular weight;
- the boiling point lies in the correlation's range, ln P rises with T over the whole range, and the
  correlation meets the normal boiling point: within 0.25 K it is kept as it is, up to 2 K a shift of
  ln P is recorded that makes it meet the boiling point, beyond that the component is dropped;
- the UNIFAC groups, renumbered from ChemSep's own numbering to the DDBST numbering of the two tables:
  their atoms must add up to the formula, or the component is dropped; their oxygen atoms must play
  the roles the structure gives them (hydroxyl, ether, carbonyl, ...), or the component is kept without
  UNIFAC, as is one whose groups are not in the DDBST tables.
"""

import math
import os
import re
import shutil
import sys
import xml.etree.ElementTree as ET
from collections import Counter

HERE = os.path.dirname(os.path.abspath(__file__))
REPO = os.path.dirname(HERE)
OUTPUT_NAME = "zorvek_thermo.txt"
LICENCE_NAME = "ARTISTIC-LICENSE-2.0.txt"

# Tolerances of the boiling-point consistency, K.
KEEP_AS_IS_K = 0.25
SHIFT_UP_TO_K = 2.0
ATM_PA = 101325.0

ATOMIC_WEIGHT = {
    "H": 1.008, "He": 4.0026, "B": 10.81, "C": 12.011, "N": 14.007, "O": 15.999, "F": 18.998,
    "Ne": 20.180, "Si": 28.085, "P": 30.974, "S": 32.06, "Cl": 35.45, "Ar": 39.948, "Br": 79.904,
    "Kr": 83.798, "I": 126.904, "Xe": 131.293,
}

# ---------------------------------------------------------------------------------------------------
# Formulas from SMILES


class Atom:
    def __init__(self, element, aromatic, bracket, hcount=0):
        self.element = element
        self.aromatic = aromatic
        self.bracket = bracket
        self.hcount = hcount  # explicit H of a bracket atom
        self.bonds = []  # (neighbour index, order); aromatic bonds have order 1.5


ORGANIC = ["Cl", "Br", "B", "C", "N", "O", "P", "S", "F", "I"]
AROMATIC = ["b", "c", "n", "o", "p", "s"]
DEFAULT_VALENCES = {"B": [3], "C": [4], "N": [3, 5], "O": [2], "P": [3, 5], "S": [2, 4, 6],
                    "F": [1], "Cl": [1], "Br": [1], "I": [1]}
BOND_ORDER = {"-": 1, "=": 2, "#": 3, "$": 4, ":": 1.5, "/": 1, "\\": 1}


def parse_smiles(smiles):
    """The molecular graph of a SMILES string: a list of Atom, hydrogens counted on their atoms."""
    atoms = []
    stack = []
    previous = None
    bond = None
    rings = {}
    i = 0
    s = smiles.strip()
    while i < len(s):
        ch = s[i]
        atom = None
        if ch == "(":
            stack.append(previous)
            i += 1
            continue
        if ch == ")":
            previous = stack.pop()
            i += 1
            continue
        if ch in BOND_ORDER:
            bond = ch
            i += 1
            continue
        if ch == ".":
            previous = None
            i += 1
            continue
        if ch.isdigit() or ch == "%":
            if ch == "%":
                number = int(s[i + 1:i + 3])
                i += 3
            else:
                number = int(ch)
                i += 1
            if number in rings:
                other, other_bond = rings.pop(number)
                symbol = bond or other_bond
                order = BOND_ORDER[symbol] if symbol else bond_order_between(atoms[other], atoms[previous])
                atoms[previous].bonds.append((other, order))
                atoms[other].bonds.append((previous, order))
            else:
                rings[number] = (previous, bond)
            bond = None
            continue
        if ch == "[":
            end = s.index("]", i)
            inner = s[i + 1:end]
            m = re.fullmatch(r"(\d*)([A-Z][a-z]?|[a-z]{1,2})(@*)(H\d*)?([+-]+\d*)?", inner)
            if not m:
                raise ValueError("bracket atom [%s]" % inner)
            symbol = m.group(2)
            aromatic = symbol.islower()
            element = symbol.capitalize() if aromatic else symbol
            h = m.group(4)
            hcount = 0 if not h else (1 if h == "H" else int(h[1:]))
            atom = Atom(element, aromatic, True, hcount)
            i = end + 1
        else:
            two = s[i:i + 2]
            if two in ("Cl", "Br"):
                atom = Atom(two, False, False)
                i += 2
            elif ch in ORGANIC:
                atom = Atom(ch, False, False)
                i += 1
            elif ch in AROMATIC:
                atom = Atom(ch.upper(), True, False)
                i += 1
            else:
                raise ValueError("character %r" % ch)
        atoms.append(atom)
        index = len(atoms) - 1
        if previous is not None:
            order = BOND_ORDER[bond] if bond else bond_order_between(atoms[previous], atom)
            atoms[previous].bonds.append((index, order))
            atom.bonds.append((previous, order))
        previous = index
        bond = None
    if rings or stack:
        raise ValueError("unclosed ring or branch")
    return atoms


def bond_order_between(a, b):
    return 1.5 if a.aromatic and b.aromatic else 1


def implicit_hydrogens(atom):
    if atom.bracket:
        return atom.hcount
    total = sum(1 if order == 1.5 else order for _, order in atom.bonds)
    if atom.aromatic:
        total += 1
    for valence in DEFAULT_VALENCES[atom.element]:
        if valence >= total:
            return int(valence - total)
    return 0


def formula_of_atoms(atoms):
    counts = Counter()
    for atom in atoms:
        counts[atom.element] += 1
        counts["H"] += implicit_hydrogens(atom)
    return +counts


def condensed_formula(text):
    """Atom counts of a condensed structure formula such as C6H11C(CH3)3."""

    def parse(pos):
        counts = Counter()
        while pos < len(text):
            ch = text[pos]
            if ch == "(":
                inner, pos = parse(pos + 1)
                m = re.match(r"\d+", text[pos:])
                times = int(m.group(0)) if m else 1
                pos += len(m.group(0)) if m else 0
                for k, v in inner.items():
                    counts[k] += v * times
            elif ch == ")":
                return counts, pos + 1
            else:
                m = re.match(r"([A-Z][a-z]?)(\d*)", text[pos:])
                if not m:
                    raise ValueError("structure formula %r" % text)
                counts[m.group(1)] += int(m.group(2) or 1)
                pos += len(m.group(0))
        return counts, pos

    counts, _ = parse(0)
    return +counts


def hill(counts):
    def part(element):
        n = counts[element]
        return element + (str(n) if n > 1 else "")

    if "C" in counts:
        order = ["C"] + (["H"] if "H" in counts else []) + sorted(k for k in counts if k not in ("C", "H"))
    else:
        order = sorted(counts)
    return "".join(part(e) for e in order)


def molar_mass(counts):
    return sum(ATOMIC_WEIGHT[e] * n for e, n in counts.items())


def oxygen_roles(atoms):
    """How each oxygen atom is bound: hydroxyl, ether, carbonyl, water or other."""
    roles = Counter()
    for atom in atoms:
        if atom.element != "O":
            continue
        hydrogens = implicit_hydrogens(atom)
        heavy = [(atoms[n], order) for n, order in atom.bonds if atoms[n].element != "H"]
        hydrogens += sum(1 for n, _ in atom.bonds if atoms[n].element == "H")
        if hydrogens == 2 and not heavy:
            roles["water"] += 1
        elif len(heavy) == 1 and heavy[0][1] == 2 and heavy[0][0].element == "C":
            roles["carbonyl"] += 1
        elif len(heavy) == 1 and hydrogens == 1 and heavy[0][0].element == "C":
            roles["hydroxyl"] += 1
        elif len(heavy) == 2 and hydrogens == 0 and all(a.element == "C" for a, _ in heavy):
            roles["ether"] += 1
        else:
            roles["other"] += 1
    return +roles


# ---------------------------------------------------------------------------------------------------
# UNIFAC groups

# Atoms of each DDBST subgroup (by id), and the roles of its oxygen atoms.
SUBGROUP_ATOMS = {
    1: "CH3", 2: "CH2", 3: "CH", 4: "C", 5: "C2H3", 6: "C2H2", 7: "C2H2", 8: "C2H", 9: "CH", 10: "C",
    11: "C2H3", 12: "C2H2", 13: "C2H", 14: "OH", 15: "CH4O", 16: "H2O", 17: "COH", 18: "C2H3O",
    19: "C2H2O", 20: "CHO", 21: "C2H3O2", 22: "C2H2O2", 23: "CHO2", 24: "CH3O", 25: "CH2O", 26: "CHO",
    27: "CH2O", 28: "CH5N", 29: "CH4N", 30: "CH3N", 31: "CH4N", 32: "CH3N", 33: "CH2N", 34: "CH3N",
    35: "CH2N", 36: "CH2N", 37: "C5H5N", 38: "C5H4N", 39: "C5H3N", 40: "C2H3N", 41: "C2H2N",
    42: "CHO2", 43: "CH2O2", 44: "CH2Cl", 45: "CHCl", 46: "CCl", 47: "CH2Cl2", 48: "CHCl2", 49: "CCl2",
    50: "CHCl3", 51: "CCl3", 52: "CCl4", 53: "CCl", 54: "CH3NO2", 55: "CH2NO2", 56: "CHNO2",
    57: "CNO2", 58: "CS2", 59: "CH4S", 60: "CH3S", 61: "C5H4O2", 62: "C2H6O2", 63: "I", 64: "Br",
    65: "C2H", 66: "C2", 67: "C2H6OS", 68: "C3H3N", 69: "Cl", 70: "C2", 71: "CF", 72: "C3H7NO",
    73: "C3H5NO", 74: "CF3", 75: "CF2", 76: "CF", 77: "CO2", 85: "C5H9NO", 94: "CH2NO",
    95: "C2H4NO", 96: "C2H3NO", 97: "C3H6NO", 98: "C3H5NO", 99: "C3H4NO", 100: "C2H5O2",
    101: "C2H4O2", 102: "CH3S", 103: "CH2S", 104: "CHS", 105: "C4H9NO", 106: "C4H4S", 107: "C4H3S",
    108: "C4H2S", 109: "CNO", 118: "C2H4O2S", 119: "C2H3O2S",
}
SUBGROUP_OXYGEN = {
    14: "hydroxyl", 15: "hydroxyl", 16: "water", 17: "hydroxyl", 18: "carbonyl", 19: "carbonyl",
    20: "carbonyl", 21: "carbonyl ether", 22: "carbonyl ether", 23: "carbonyl ether", 24: "ether",
    25: "ether", 26: "ether", 27: "ether", 42: "carbonyl hydroxyl", 43: "carbonyl hydroxyl",
    54: "other other", 55: "other other", 56: "other other", 57: "other other", 61: "ether carbonyl",
    62: "hydroxyl hydroxyl", 67: "other", 72: "carbonyl", 73: "carbonyl", 77: "carbonyl ether",
    85: "carbonyl", 94: "carbonyl", 95: "carbonyl", 96: "carbonyl", 97: "carbonyl", 98: "carbonyl",
    99: "carbonyl", 100: "ether hydroxyl", 101: "ether hydroxyl", 105: "ether", 109: "carbonyl",
    118: "other other", 119: "other other",
}


def chemsep_to_ddbst(group):
    """ChemSep numbers its UNIFAC VLE groups like DDBST except that it puts C=C (DDBST 70) at 9, which
    moves DDBST 9..69 one place up (ethanol: ChemSep 1, 2, 15 are DDBST CH3, CH2, OH 14)."""
    if group <= 8:
        return group
    if group == 9:
        return 70
    if group <= 70:
        return group - 1
    return group


# ChemSep gives these aldehydes the ether group CHO (DDBST 26); their structure has an aldehyde CHO (20).
GROUP_CORRECTIONS = {
    "75-87-6": {51: 1, 20: 1},  # trichloroacetaldehyde: CCl3 + CHO
    "79-02-7": {48: 1, 20: 1},  # dichloroacetaldehyde: CHCl2 + CHO
}

# ---------------------------------------------------------------------------------------------------
# Names

SPANISH = {
    # ChemSep name: (Spanish name, [Spanish aliases])
    "Water": ("Agua", []),
    "Methanol": ("Metanol", ["Alcohol metílico"]),
    "Ethanol": ("Etanol", ["Alcohol etílico"]),
    "1-propanol": ("1-Propanol", ["n-Propanol", "Alcohol propílico"]),
    "Isopropanol": ("Isopropanol", ["2-Propanol", "Alcohol isopropílico"]),
    "1-butanol": ("1-Butanol", ["n-Butanol", "Alcohol butílico"]),
    "2-butanol": ("2-Butanol", []),
    "2-methyl-1-propanol": ("Isobutanol", ["2-Metil-1-propanol"]),
    "2-methyl-2-propanol": ("terc-Butanol", ["2-Metil-2-propanol"]),
    "1-pentanol": ("1-Pentanol", []),
    "1-hexanol": ("1-Hexanol", []),
    "Acetone": ("Acetona", ["Propanona"]),
    "Methyl ethyl ketone": ("Metiletilcetona", ["Butanona", "2-Butanona"]),
    "Methyl isobutyl ketone": ("Metilisobutilcetona", []),
    "Cyclohexanone": ("Ciclohexanona", []),
    "Cyclohexanol": ("Ciclohexanol", []),
    "Benzene": ("Benceno", []),
    "Toluene": ("Tolueno", []),
    "Ethylbenzene": ("Etilbenceno", []),
    "O-xylene": ("o-Xileno", []),
    "M-xylene": ("m-Xileno", []),
    "P-xylene": ("p-Xileno", []),
    "Styrene": ("Estireno", []),
    "Cumene": ("Cumeno", ["Isopropilbenceno"]),
    "Naphthalene": ("Naftaleno", []),
    "Phenol": ("Fenol", []),
    "Aniline": ("Anilina", []),
    "Pyridine": ("Piridina", []),
    "Nitrobenzene": ("Nitrobenceno", []),
    "Monochlorobenzene": ("Clorobenceno", []),
    "Bromobenzene": ("Bromobenceno", []),
    "Methane": ("Metano", []),
    "Ethane": ("Etano", []),
    "Propane": ("Propano", []),
    "N-butane": ("n-Butano", []),
    "Isobutane": ("Isobutano", []),
    "N-pentane": ("n-Pentano", []),
    "Isopentane": ("Isopentano", []),
    "Neopentane": ("Neopentano", []),
    "N-hexane": ("n-Hexano", []),
    "N-heptane": ("n-Heptano", []),
    "N-octane": ("n-Octano", []),
    "N-nonane": ("n-Nonano", []),
    "N-decane": ("n-Decano", []),
    "N-dodecane": ("n-Dodecano", []),
    "2,2,4-trimethylpentane": ("Isooctano", ["2,2,4-Trimetilpentano"]),
    "Cyclopentane": ("Ciclopentano", []),
    "Cyclohexane": ("Ciclohexano", []),
    "Methylcyclohexane": ("Metilciclohexano", []),
    "Cyclohexene": ("Ciclohexeno", []),
    "Ethylene": ("Etileno", ["Eteno"]),
    "Propylene": ("Propileno", ["Propeno"]),
    "1-butene": ("1-Buteno", []),
    "1,3-butadiene": ("1,3-Butadieno", []),
    "Isoprene": ("Isopreno", []),
    "Acetylene": ("Acetileno", ["Etino"]),
    "Chloroform": ("Cloroformo", ["Triclorometano"]),
    "Carbon tetrachloride": ("Tetracloruro de carbono", ["Tetraclorometano"]),
    "Methyl chloride": ("Clorometano", ["Cloruro de metilo"]),
    "1,2-dichloroethane": ("1,2-Dicloroetano", []),
    "Trichloroethylene": ("Tricloroetileno", []),
    "Vinyl chloride": ("Cloruro de vinilo", []),
    "Acetic acid": ("Ácido acético", []),
    "Propionic acid": ("Ácido propiónico", []),
    "N-butyric acid": ("Ácido butírico", []),
    "Acrylic acid": ("Ácido acrílico", []),
    "Ethyl acetate": ("Acetato de etilo", []),
    "Methyl acetate": ("Acetato de metilo", []),
    "N-propyl acetate": ("Acetato de n-propilo", []),
    "Isopropyl acetate": ("Acetato de isopropilo", []),
    "N-butyl acetate": ("Acetato de n-butilo", []),
    "Vinyl acetate": ("Acetato de vinilo", []),
    "Methyl formate": ("Formiato de metilo", []),
    "Ethyl formate": ("Formiato de etilo", []),
    "Methyl methacrylate": ("Metacrilato de metilo", []),
    "Diethyl ether": ("Éter dietílico", ["Dietil éter"]),
    "Dimethyl ether": ("Éter dimetílico", ["Dimetil éter"]),
    "Methyl tert-butyl ether": ("Metil terc-butil éter", ["MTBE"]),
    "Diisopropyl ether": ("Éter diisopropílico", []),
    "Tetrahydrofuran": ("Tetrahidrofurano", ["THF"]),
    "1,4-dioxane": ("1,4-Dioxano", []),
    "Acetonitrile": ("Acetonitrilo", []),
    "Acrylonitrile": ("Acrilonitrilo", []),
    "Propionitrile": ("Propionitrilo", []),
    "Acetaldehyde": ("Acetaldehído", ["Etanal"]),
    "Formaldehyde": ("Formaldehído", ["Metanal"]),
    "Propanal": ("Propanal", []),
    "Butanal": ("Butanal", []),
    "Furfural": ("Furfural", []),
    "Ethylene glycol": ("Etilenglicol", []),
    "Diethylene glycol": ("Dietilenglicol", []),
    "Glycerol": ("Glicerol", ["Glicerina"]),
    "Diethylamine": ("Dietilamina", []),
    "Triethylamine": ("Trietilamina", []),
    "Methylamine": ("Metilamina", []),
    "Ammonia": ("Amoníaco", ["Amoniaco"]),
    "Hydrogen": ("Hidrógeno", []),
    "Nitrogen": ("Nitrógeno", []),
    "Oxygen": ("Oxígeno", []),
    "Argon": ("Argón", []),
    "Helium-4": ("Helio-4", ["Helio"]),
    "Carbon monoxide": ("Monóxido de carbono", []),
    "Hydrogen sulfide": ("Sulfuro de hidrógeno", []),
    "Sulfur dioxide": ("Dióxido de azufre", []),
    "Chlorine": ("Cloro", []),
    "Hydrogen chloride": ("Cloruro de hidrógeno", []),
    "Carbon disulfide": ("Disulfuro de carbono", []),
    "Dimethyl sulfoxide": ("Dimetilsulfóxido", ["DMSO"]),
    "N,n-dimethylformamide": ("N,N-Dimetilformamida", ["DMF"]),
    "Nitromethane": ("Nitrometano", []),
    "Thiophene": ("Tiofeno", []),
    "Sulfolane": ("Sulfolano", []),
    "Ethylene oxide": ("Óxido de etileno", []),
    "1,2-propylene oxide": ("Óxido de propileno", []),
    "Acetic anhydride": ("Anhídrido acético", []),
    "Nitric acid": ("Ácido nítrico", []),
    "Bromine": ("Bromo", []),
    "Methyl mercaptan": ("Metanotiol", ["Metilmercaptano"]),
    "Ethyl mercaptan": ("Etanotiol", ["Etilmercaptano"]),
    "Dimethyl sulfide": ("Sulfuro de dimetilo", []),
    "Methylal": ("Metilal", ["Dimetoximetano"]),
    "Dimethyl carbonate": ("Carbonato de dimetilo", []),
}

ENGLISH_ALIASES = {
    "Methanol": ["Methyl alcohol"],
    "Ethanol": ["Ethyl alcohol"],
    "1-propanol": ["n-Propanol"],
    "Isopropanol": ["2-Propanol", "Isopropyl alcohol", "IPA"],
    "1-butanol": ["n-Butanol"],
    "2-methyl-1-propanol": ["Isobutanol"],
    "2-methyl-2-propanol": ["tert-Butanol"],
    "Acetone": ["2-Propanone"],
    "Methyl ethyl ketone": ["2-Butanone", "MEK"],
    "Methyl isobutyl ketone": ["MIBK"],
    "Monochlorobenzene": ["Chlorobenzene"],
    "Cumene": ["Isopropylbenzene"],
    "2,2,4-trimethylpentane": ["Isooctane"],
    "Chloroform": ["Trichloromethane"],
    "Carbon tetrachloride": ["Tetrachloromethane"],
    "Tetrahydrofuran": ["THF"],
    "N,n-dimethylformamide": ["DMF"],
    "Dimethyl sulfoxide": ["DMSO"],
    "Methyl tert-butyl ether": ["MTBE"],
    "Methylal": ["Dimethoxymethane"],
    "Helium-4": ["Helium"],
}

# Names whose ChemSep spelling the generic rules below would not mend.
ENGLISH_NAMES = {
    "N,n-dimethylformamide": "N,N-Dimethylformamide",
    "N,n-dimethylacetamide": "N,N-Dimethylacetamide",
    "N-aminoethyl piperazine": "N-Aminoethylpiperazine",
    "N-aminoethyl ethanolamine": "N-Aminoethylethanolamine",
    "Methyl DiEthanolAmine": "Methyldiethanolamine",
}


def english_name(source):
    """ChemSep's name in the usual catalogue spelling: "n-Hexane", "m-Xylene", "cis-2-Butene",
    "1-Propanol"."""
    if source in ENGLISH_NAMES:
        return ENGLISH_NAMES[source]
    name = source
    m = re.match(r"(N|M|O|P|Cis|Trans|Sec|Tert)-(.*)", name)
    if m:
        rest = m.group(2)
        rest = re.sub(r"^([\d,]+-)?([a-z])", lambda k: (k.group(1) or "") + k.group(2).upper(), rest)
        return m.group(1).lower() + "-" + rest
    m = re.match(r"([\d,]+-)([a-z])(.*)", name)
    if m:
        return m.group(1) + m.group(2).upper() + m.group(3)
    return name


# ---------------------------------------------------------------------------------------------------
# Reading the sources


def value(element, tag):
    child = element.find(tag)
    return None if child is None else child.get("value")


def dippr101(c, T):
    return c["A"] + c["B"] / T + c["C"] * math.log(T) + c["D"] * T ** c["E"]


def dippr101_slope(c, T):
    return -c["B"] / (T * T) + c["C"] / T + c["D"] * c["E"] * T ** (c["E"] - 1)


def temperature_at(c, ln_p, guess):
    T = guess
    for _ in range(100):
        step = (dippr101(c, T) - ln_p) / dippr101_slope(c, T)
        T -= step
        if abs(step) < 1e-10:
            break
    return T


def read_components(path, report):
    root = ET.parse(path).getroot()
    components = []
    for compound in root.findall("compound"):
        name = value(compound, "CompoundID")
        cas = value(compound, "CAS")

        def drop(reason):
            report.append("dropped %s (%s): %s" % (name, cas, reason))

        tb = value(compound, "NormalBoilingPointTemperature")
        vp = compound.find("VaporPressure")
        if not cas:
            drop("no CAS number")
            continue
        if tb is None:
            drop("no normal boiling point")
            continue
        if vp is None or value(vp, "eqno") != "101":
            drop("vapour pressure not in DIPPR equation 101")
            continue
        coefficients = {k: float(value(vp, k) or 0) for k in "ABCDE"}
        tmin = float(vp.find("Tmin").get("value"))
        tmax = float(vp.find("Tmax").get("value"))
        tb = float(tb)
        smiles = (value(compound, "Smiles") or "").strip()
        try:
            if smiles:
                atoms = parse_smiles(smiles)
                counts = formula_of_atoms(atoms)
                roles = oxygen_roles(atoms)
            else:
                structure = value(compound, "StructureFormula") or ""
                counts = condensed_formula(structure)
                roles = None
        except (ValueError, KeyError, IndexError) as error:
            drop("no formula (%s)" % error)
            continue
        mw = float(value(compound, "MolecularWeight") or 0)
        if mw <= 0 or abs(molar_mass(counts) - mw) > 0.005 * mw:
            drop("formula %s does not match the molecular weight %g" % (hill(counts), mw))
            continue
        if not (0 < tmin < tb < tmax):
            drop("normal boiling point %g K outside the vapour-pressure range %g..%g K" % (tb, tmin, tmax))
            continue
        samples = [tmin + (tmax - tmin) * k / 400 for k in range(401)]
        if any(dippr101_slope(coefficients, T) <= 0 for T in samples):
            drop("ln P does not rise with T over %g..%g K" % (tmin, tmax))
            continue
        t_atm = temperature_at(coefficients, math.log(ATM_PA), tb)
        miss = t_atm - tb
        shift = 0.0
        if abs(miss) > SHIFT_UP_TO_K or not math.isfinite(miss):
            drop("vapour pressure misses the normal boiling point by %.2f K" % miss)
            continue
        if abs(miss) > KEEP_AS_IS_K:
            shift = math.log(ATM_PA) - dippr101(coefficients, tb)
            report.append("shifted ln P of %s by %+.5f (it met 1 atm %.2f K from the boiling point)"
                          % (name, shift, miss))
        groups = {}
        unifac = compound.find("UnifacVLE")
        if unifac is not None:
            for g in unifac.findall("group"):
                ddbst = chemsep_to_ddbst(int(g.get("id")))
                groups[ddbst] = groups.get(ddbst, 0) + int(g.get("value"))
        if cas in GROUP_CORRECTIONS:
            report.append("UNIFAC groups of %s corrected to %s" % (name, GROUP_CORRECTIONS[cas]))
            groups = dict(GROUP_CORRECTIONS[cas])
        components.append({
            "name": name, "cas": cas, "tb": tb, "vp": coefficients, "tmin": tmin, "tmax": tmax,
            "shift": shift, "formula": counts, "roles": roles, "groups": groups,
            "vp_text": [value(vp, k) or "0" for k in "ABCDE"] + [vp.find("Tmin").get("value"),
                                                                  vp.find("Tmax").get("value")],
            "tb_text": value(compound, "NormalBoilingPointTemperature"),
        })
    return components


def read_subgroups(path):
    subgroups = {}
    with open(path, encoding="utf-8") as f:
        for line in f:
            if line.startswith("#") or not line.strip():
                continue
            sid, name, main, _main_name, r, q = line.rstrip("\n").split("\t")
            subgroups[int(sid)] = (name, int(main), r, q)
    return subgroups


def read_interactions(path):
    interactions = {}
    with open(path, encoding="utf-8") as f:
        for line in f:
            if line.startswith("#") or not line.strip():
                continue
            m, n, a = line.split()
            interactions[(int(m), int(n))] = a
    return interactions


def check_groups(component, subgroups, report):
    """True when the component keeps its groups; False drops the component. Groups that are not in the
    DDBST tables are removed (the component stays, without UNIFAC)."""
    groups = component["groups"]
    if not groups:
        return True
    unknown = [g for g in groups if g not in subgroups or g not in SUBGROUP_ATOMS]
    if unknown:
        report.append("no UNIFAC for %s: groups %s are not in the DDBST tables"
                      % (component["name"], unknown))
        component["groups"] = {}
        return True
    atoms = Counter()
    for g, n in groups.items():
        for element, count in condensed_formula(SUBGROUP_ATOMS[g]).items():
            atoms[element] += count * n
    if +atoms != component["formula"]:
        report.append("dropped %s (%s): UNIFAC groups %s make %s, not %s"
                      % (component["name"], component["cas"], groups, hill(atoms),
                         hill(component["formula"])))
        return False
    if component["roles"] is not None:
        roles = Counter()
        for g, n in groups.items():
            for role in SUBGROUP_OXYGEN.get(g, "").split():
                roles[role] += n
        if +roles != component["roles"]:
            report.append("no UNIFAC for %s: groups %s give oxygen roles %s, the structure %s"
                          % (component["name"], groups, dict(roles), dict(component["roles"])))
            component["groups"] = {}
    return True


def read_nrtl(path, kept_cas, report):
    pairs = []
    seen = set()
    with open(path, encoding="latin-1") as f:
        for line in f:
            fields = line.split()
            if len(fields) < 5 or not re.fullmatch(r"\d+-\d+-\d", fields[0]):
                continue
            cas1, cas2 = fields[0], fields[1]
            a12, a21, alpha = float(fields[2]), float(fields[3]), float(fields[4])
            comment = " ".join(fields[5:])
            if cas1 not in kept_cas or cas2 not in kept_cas:
                continue
            key = frozenset((cas1, cas2))
            if cas1 == cas2:
                continue
            if not (0 < alpha <= 1):
                report.append("NRTL pair %s skipped: alpha12 = %g" % (comment, alpha))
                continue
            if key in seen:
                report.append("NRTL pair %s skipped: the pair appeared earlier in the file" % comment)
                continue
            seen.add(key)
            pairs.append((cas1, cas2, fields[2], fields[3], fields[4], comment))
    return pairs


# ---------------------------------------------------------------------------------------------------
# Writing


HEADER = """\
# ZORVEK component library: pure components, NRTL pairs and original UNIFAC parameters.
#
# A derived subset (a Modified Version in the terms of the Artistic License 2.0) of:
#   ChemSep v8.3 pure component data - Copyright (c) Harry Kooijman and Ross Taylor (2021)
#     - Artistic License 2.0 (ARTISTIC-LICENSE-2.0.txt beside this file)
#   ChemSep interaction parameter data (DECHEMA NRTL at P=1atm) - Copyright 2008 Harry Kooijman and
#     Ross Taylor - Artistic License 2.0
#   Original UNIFAC (VLE) subgroups and main-group interaction parameters as published by DDBST
#     (Hansen et al. 1991 and later revisions), as tabulated in the MIT-licensed "thermo" library
#
# Generated by scripts/make_thermo_data.py; edit that script, not this file. Changes from the sources:
#   - only components with a CAS number, a normal boiling point, a DIPPR-101 vapour pressure and a
#     formula that matches their molecular weight are kept, and only their NRTL pairs;
#   - names are respelled ("n-Hexane", "m-Xylene") and Spanish names and aliases are added;
#   - formulas are computed from the SMILES of the data;
#   - UNIFAC groups are renumbered from ChemSep's numbering to DDBST's and checked against the
#     formula; "vp-shift" (added to ln P) makes a correlation that missed the normal boiling point
#     by 0.25 to 2 K meet it; see the script for the components that were dropped.
#
# Records, one per line; "#" starts a comment:
#   component CAS           starts a component; the lines up to the next record keyword belong to it
#     name TEXT             English name        name-es TEXT    Spanish name
#     alias TEXT            another English name  alias-es TEXT   another Spanish name
#     formula TEXT          Hill formula
#     tb T                  normal boiling point, K
#     vp A B C D E Tmin Tmax  ln(P/Pa) = A + B/T + C ln(T) + D T^E, valid for Tmin..Tmax K
#     vp-shift S            added to ln(P/Pa)
#     unifac ID*N ...       original UNIFAC subgroups (DDBST numbers) and their counts
#   nrtl CAS1 CAS2 A12 A21 alpha12   tau12 = A12/(R T), tau21 = A21/(R T) with A in cal/mol;
#                                    component 1 is CAS1
#   subgroup ID MAIN R Q NAME        UNIFAC subgroup with its main group and volume and area
#   interaction M N A                UNIFAC main-group interaction a_MN, K
"""


def write_output(path, components, nrtl, subgroups, interactions):
    lines = [HEADER, "format zorvek-thermo 1", ""]
    for c in sorted(components, key=lambda c: english_name(c["name"]).lower()):
        lines.append("component %s" % c["cas"])
        lines.append("name %s" % english_name(c["name"]))
        for alias in ENGLISH_ALIASES.get(c["name"], []):
            lines.append("alias %s" % alias)
        if c["name"] in SPANISH:
            spanish, aliases = SPANISH[c["name"]]
            lines.append("name-es %s" % spanish)
            for alias in aliases:
                lines.append("alias-es %s" % alias)
        lines.append("formula %s" % hill(c["formula"]))
        lines.append("tb %s" % c["tb_text"])
        lines.append("vp %s" % " ".join(c["vp_text"]))
        if c["shift"]:
            lines.append("vp-shift %.6f" % c["shift"])
        if c["groups"]:
            lines.append("unifac %s" % " ".join("%d*%d" % (g, n) for g, n in sorted(c["groups"].items())))
        lines.append("")
    for cas1, cas2, a12, a21, alpha, comment in nrtl:
        lines.append("nrtl %s %s %s %s %s  # %s" % (cas1, cas2, a12, a21, alpha, comment))
    lines.append("")
    for sid, (name, main, r, q) in sorted(subgroups.items()):
        lines.append("subgroup %d %d %s %s %s" % (sid, main, r, q, name))
    lines.append("")
    for (m, n), a in sorted(interactions.items()):
        lines.append("interaction %d %d %s" % (m, n, a))
    with open(path, "w", encoding="utf-8", newline="\n") as f:
        f.write("\n".join(lines) + "\n")


def main():
    source = sys.argv[1] if len(sys.argv) > 1 else os.path.join(REPO, "..", "shared", "thermo-data")
    output = sys.argv[2] if len(sys.argv) > 2 else os.path.join(REPO, "thermo", "data")
    report = []
    subgroups = read_subgroups(os.path.join(source, "unifac-original-subgroups.tsv"))
    interactions = read_interactions(os.path.join(source, "unifac-original-interaction-parameters.tsv"))
    components = read_components(os.path.join(source, "chemsep-pure-components-8.32.xml"), report)
    components = [c for c in components if check_groups(c, subgroups, report)]
    nrtl = read_nrtl(os.path.join(source, "chemsep-nrtl-dechema.ipd"), {c["cas"] for c in components},
                     report)
    for line in report:
        print(line)
    names = {c["name"] for c in components}
    missing = [n for n in list(SPANISH) + list(ENGLISH_ALIASES) if n not in names]
    if missing:
        sys.exit("names of the Spanish or alias tables not among the components kept: %s" % missing)
    os.makedirs(output, exist_ok=True)
    write_output(os.path.join(output, OUTPUT_NAME), components, nrtl, subgroups, interactions)
    shutil.copyfile(os.path.join(source, LICENCE_NAME), os.path.join(output, LICENCE_NAME))
    print("%d components (%d with Spanish names, %d with UNIFAC groups), %d NRTL pairs"
          % (len(components), sum(1 for c in components if c["name"] in SPANISH),
             sum(1 for c in components if c["groups"]), len(nrtl)))


if __name__ == "__main__":
    main()
