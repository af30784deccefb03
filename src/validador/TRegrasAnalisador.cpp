#include "validador/TRegrasAnalisador.h"

#include <stdexcept>
#include <vector>

using enum TTipoRegistro;

namespace {

constexpr uint8_t kPosicoes[kQuantidadeTipos] = {
    0,  0,  0,  0,  10, 18, 18, 3,  18, 18,  // RTOLV .. BPJFCI
    6,  18, 18, 9,  9,                       // PROC .. BPFRRA
    18, 18, 18, 18, 18, 18, 18, 18, 18, 18, 18, 18, 18, 18, 18,  // RTRT .. ESDJ
    18, 18, 18, 18, 18, 18, 18,              // RIP65 .. RIMOG
    0,  0,                                   // DAJUD, QTMESES
    18, 18, 18,                              // RIL96, RIPTS, RIO
    11, 12, 13, 14,                          // PSE .. DTPSE
    15, 16, 17,                              // RPDE, BRPDE, VRPDE
    19, 20};                                 // INF, FIMTOLV

// Upper case of a short identifier into a fixed buffer; false when it is too long to be one.
bool Maiusculas(QStringView texto, std::array<char16_t, 8>& saida) {
  if (texto.size() > 7) return false;
  for (qsizetype i = 0; i < texto.size(); ++i) {
    const char16_t c = texto[i].unicode();
    saida[size_t(i)] = c >= u'a' && c <= u'z' ? char16_t(c - 32) : c < 0x80 ? c : texto[i].toUpper().unicode();
  }
  return true;
}

// The types by the length and first letter of their names, so that a line's identifier is
// compared with one or two of them.
const std::array<std::vector<int>, 8 * 26>& TiposPorInicio() {
  static const std::array<std::vector<int>, 8 * 26> tipos = [] {
    std::array<std::vector<int>, 8 * 26> t;
    for (int i = 0; i < kQuantidadeTipos; ++i) {
      const QStringView nome = NomeValorTipo(TipoDoOrdinal(i));
      t[size_t(nome.size() * 26 + (nome[0].unicode() - u'A'))].push_back(i);
    }
    return t;
  }();
  return tipos;
}

int TipoSemCaixa(QStringView texto) {
  std::array<char16_t, 8> buffer{};
  if (texto.isEmpty() || !Maiusculas(texto, buffer)) return -1;
  if (buffer[0] < u'A' || buffer[0] > u'Z') return -1;
  for (int i : TiposPorInicio()[size_t(texto.size() * 26 + (buffer[0] - u'A'))]) {
    const QStringView nome = NomeValorTipo(TipoDoOrdinal(i));
    bool igual = true;
    for (qsizetype j = 1; igual && j < nome.size(); ++j) igual = nome[j].unicode() == buffer[size_t(j)];
    if (igual) return i;
  }
  return -1;
}

}  // namespace

TRegrasAnalisador::TRegrasAnalisador() { Reinicia(); }

QStringView TRegrasAnalisador::NomeTipo(TTipoRegistro tipo) {
  return tipo == RTOLV ? QStringView(u"TOLV") : NomeValorTipo(tipo);
}

int TRegrasAnalisador::TipoDaLinha(QStringView texto) {
  if (texto == u"TOLV" || texto == u"Tolv") return Ordinal(RTOLV);
  const int tipo = TipoSemCaixa(texto);
  return tipo == Ordinal(RTOLV) ? -1 : tipo;
}

TTipoRegistro TRegrasAnalisador::TipoPorNome(QStringView texto) {
  if (texto == u"TOLV" || texto == u"Tolv") return RTOLV;
  const int tipo = TipoSemCaixa(texto);
  if (tipo < 0) throw std::invalid_argument("erro ao converter, registro desconhecido");
  return TipoDoOrdinal(tipo);
}

uint8_t TRegrasAnalisador::PosicaoPersistencia(TTipoRegistro tipo) { return kPosicoes[Ordinal(tipo)]; }

void TRegrasAnalisador::Reinicia() {
  m_aceito[size_t(Ordinal(RTOLV))] = true;
  for (int t = Ordinal(IDREC); t <= Ordinal(BPFRRA); ++t) m_aceito[size_t(t)] = false;
  for (int t = Ordinal(PSE); t <= Ordinal(FIMTOLV); ++t) m_aceito[size_t(t)] = false;
  m_blocoCabeca = RTOLV;
  m_linhaUnicoPorPai.fill(0);
  m_beneficiarioPFVisto = false;
  m_beneficiariosINF.clear();
  m_ultimoINF.clear();
}

void TRegrasAnalisador::ReiniciaContexto() {
  for (TTipoRegistro t : {RTOLV, PSE, RPDE}) MarcaAceito(t, true);
  for (TTipoRegistro t : {IDREC, FCI, PROC, BPFDEC, BPJDEC, BPFFCI, BPJFCI, BPFPROC, BPJPROC, BPFRRA, OPSE, TPSE,
                          DTPSE, BRPDE, VRPDE, INF, FIMTOLV})
    MarcaAceito(t, false);
}

void TRegrasAnalisador::ReiniciaBlocos() {
  MarcaAceito(RTOLV, true);
  for (TTipoRegistro t : {FCI, PROC, RRA, RPDE, PSE, OPSE}) MarcaAceito(t, false);
}

void TRegrasAnalisador::ReiniciaBeneficiarios() {
  for (TTipoRegistro t : {BPFDEC, BPJDEC, BPFFCI, BPJFCI, BPFPROC, BPJPROC, BPFRRA, BRPDE, DTPSE}) MarcaAceito(t, false);
}

void TRegrasAnalisador::ReiniciaCodigo() {
  for (TTipoRegistro t : {IDREC, BPFDEC, BPJDEC, BPFFCI, BPJFCI, BPFPROC, BPJPROC, BPFRRA, RPDE, BRPDE})
    MarcaAceito(t, false);
}

void TRegrasAnalisador::ReiniciaTitular() {
  MarcaAceito(TPSE, false);
  MarcaAceito(DTPSE, false);
}

void TRegrasAnalisador::ReiniciaUnicos() { m_linhaUnico.fill(0); }

void TRegrasAnalisador::AdicionaBeneficiarioINF(const QString& ni, int64_t linha) {
  m_beneficiariosINF.insert(ni, linha);
  m_ultimoINF = ni;
}
