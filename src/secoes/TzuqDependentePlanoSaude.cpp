#include "secoes/TzuqDependentePlanoSaude.h"

#include "nucleo/TTolv.h"
#include "nucleo/UtilTexto.h"

#include <QDate>

namespace {
constexpr uint16_t kAnoInvalido = 250;
constexpr uint16_t kDataInvalida = 251;
constexpr uint16_t kPosteriorEvento = 264;
constexpr uint16_t kAnterior1901 = 265;
constexpr uint16_t kDiaMesAno = 271;

bool bissexto(int ano) { return ano % 4 == 0 && (ano % 100 != 0 || ano % 400 == 0); }

// The calendar year as a number; the regular year when the text is not one.
int anoDe(const QString& anoCalendario) {
  bool ok = false;
  const int ano = anoCalendario.toInt(&ok);
  return ok && anoCalendario.size() == 4 ? ano : QString::fromLatin1(TTolv::kAnoCorrente).toInt();
}
}  // namespace

TzuqDependentePlanoSaude::TzuqDependentePlanoSaude(TzuqTitularPlanoSaude& titular)
    : m_contribuinte(kNiCpf), m_titular(&titular) {}

TzuqDependentePlanoSaude::~TzuqDependentePlanoSaude() = default;

void TzuqDependentePlanoSaude::Limpar() {
  m_id = 0;
  m_valorPago.Limpar();
  m_contribuinte.LimpaTudo();
  m_dataNascimento.clear();
}

QString TzuqDependentePlanoSaude::AnoQuatroDigitos(QStringView doisDigitos, int ultimoDoSeculo) {
  const int dois = doisDigitos.toInt();
  return QString::number(dois <= ultimoDoSeculo ? 2000 + dois : 1900 + dois);
}

QString TzuqDependentePlanoSaude::CompletaAno(const QString& d, int ultimoDoSeculo) {
  if (d.size() != 6 || !SomenteNumeros(d)) return d;
  return AnoQuatroDigitos(QStringView(d).left(2), ultimoDoSeculo) + d.mid(2);
}

uint16_t TzuqDependentePlanoSaude::ValidaDataNascimento(const QString& data, const QString& anoCalendario,
                                                        bool temEvento, const QString& dataEvento) {
  const QString d = DataParaAAAAMMDD(data);
  if ((d.size() != 8 && d.size() != 6) || !SomenteNumeros(d)) return kDataInvalida;
  const QString completa = CompletaAno(d, kUltimoAnoVerificacao);
  const int ano = completa.left(4).toInt();
  const QString mes = completa.mid(4, 2);
  const QString dia = completa.mid(6, 2);
  const bool vinteNove = dia == QStringLiteral("29") && mes == QStringLiteral("02");

  if (!vinteNove) {
    // Before 1900 day and month are judged in a year of the same kind.
    const int anoTeste = ano >= 1900 ? ano : (bissexto(ano) ? 2000 : 2001);
    const QString texto = dia + u'/' + mes + u'/' + QString::number(anoTeste).rightJustified(4, u'0');
    if (!QDate::fromString(texto, QStringLiteral("dd/MM/yyyy")).isValid()) return kDataInvalida;
  }
  if (ano <= 1850) return kAnoInvalido;
  if (ano <= 1900) return kAnterior1901;
  if (ano > anoDe(anoCalendario)) return kAnoInvalido;

  const QString evento = dataEvento.trimmed();
  if (temEvento && !evento.isEmpty() && evento != QStringLiteral("30/12/1899") &&
      DataParaAAAAMMDD(evento).toInt() < completa.toInt())
    return kPosteriorEvento;
  if (vinteNove && !bissexto(ano)) return kDiaMesAno;
  return 0;
}

QString TzuqDependentePlanoSaude::DataParaAAAAMMDD(const QString& texto) {
  const QString s = RetiraBarras(texto);
  return s.mid(4, 4) + s.mid(2, 2) + s.mid(0, 2);
}

QString TzuqDependentePlanoSaude::DataParaDDMMAAAA(const QString& texto) {
  return texto.mid(6, 2) + texto.mid(4, 2) + texto.mid(0, 4);
}

QString TzuqDependentePlanoSaude::FormataData(const QString& texto) {
  if (texto.size() != 8) return texto;
  return texto.left(2) + u'/' + texto.mid(2, 2) + u'/' + texto.mid(4);
}

QString TzuqDependentePlanoSaude::FormataCpf(const QString& texto) {
  if (texto.size() != 11) return texto;
  return texto.left(3) + u'.' + texto.mid(3, 3) + u'.' + texto.mid(6, 3) + u'-' + texto.mid(9);
}

bool TzuqDependentePlanoSaude::EhMaiorDeIdade(const QString& dataAAAAMMDD, const QString& anoCalendario) {
  return anoCalendario.toInt() - dataAAAAMMDD.left(4).toInt() > 17;
}
