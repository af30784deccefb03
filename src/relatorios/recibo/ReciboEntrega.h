#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringList>

#include <optional>

#include "nucleo/Valor.h"

// The notice record (NC) of a delivery receipt: a fine notice, a summons or both. Texts as they
// stand in the record unless said otherwise; dates dd/mm/yyyy (empty when not a date yyyymmdd).
struct AvisoRecibo {
  QString Unidade;                        // issuing unit, positions 3-9
  QString MesesAtraso;                    // 10-11
  std::optional<Valor> ImpostoDeclarado;  // 12-26 in cents; nothing when not a number
  QString CalculoMulta;                   // 27-76
  std::optional<Valor> Multa;             // 77-91 in cents; nothing when not a number
  QChar Tipo;                             // 92: "4" summons, "5" to "7" both, any other fine notice
  QString Matricula;                      // 93-100, without surrounding blanks
  QString NomeAuditor;                    // 101-160, without surrounding blanks
  bool AuditorFiscal = false;             // 161 is "1" (else an analyst)
  bool Delegacia = false;                 // 162 is "1" or "2" (else an inspectorate)
  QString Marcador;                       // 177-181: "<V01>", "<V02>" or anything else
  QString Vencimento;                     // 213-220, the fine's due date
  QString PrimeiraContagem;               // 221-229
  QString SegundaContagem;                // 230-238
  QString GruposIncorretos;               // 239-244
  QString PrazoFinal;                     // the final filing date, chosen by the marker
  QString DataLancamento;                 // the assessment date, chosen by the marker

  // Half the fine, exact: what the payment form asks.
  std::optional<Valor> ValorAPagar() const;
};

// A delivery receipt file as the transmission program writes it: HC, RC, NC (only with a notice),
// VC and TC, one record a line, each closed by a check value that chains the records before it.
// Positions are byte positions from 1.
class ReciboEntrega {
 public:
  static constexpr qsizetype kTamanhoRC = 131;

  // The record lines as read, without their line ends; NC and VC empty when absent.
  QByteArray LinhaHC, LinhaRC, LinhaNC, LinhaVC, LinhaTC;

  QString NiRecibo;      // HC positions 3-16 without trailing blanks
  QString Autenticacao;  // RC positions 60-69
  int Dia = 0, Mes = 0, Ano = 0, Hora = 0, Minuto = 0, Segundo = 0;  // RC positions 17-30
  QString DataRecepcao;  // dd/mm/yyyy

  bool AutoInfracao = false;  // the receipt carries a fine notice
  bool Intimacao = false;     // the receipt carries a summons
  AvisoRecibo Aviso;

  // The pending years of VC, four digits each.
  QStringList AnosBatimentoJorb;   // group 1: matching against payment forms
  QStringList AnosBatimentoZefro;  // group 2: matching of individual returns against this one
  QStringList AnosRejeitados;      // group 3: declarations rejected
  bool TemPendencias() const;

  // The tax number of a HC or RC line.
  static QString NiDaLinha(QByteArrayView linha);
  // The moment of reception of the RC line; false when a part is not a number.
  bool LeRecepcao();
  // The notice of the NC line: the flags, the fields and the dates. A normal declaration (its
  // calendar year is not its exercise year) without a marker takes the fixed dates.
  void LeAviso(bool declaracaoNormal);
  // The pending years of the VC line; false when its groups do not hold together.
  bool LePendencias();

  // The check value of a text: its CRC-32 in decimal, 10 digits.
  static QByteArray ValorVerificacao(QByteArrayView texto);
  // Whether every record's check value holds over the chain of the records before it. A receipt
  // without VC never holds; NC takes part only when present.
  static bool ConfereCadeiaCrc(QByteArrayView hc, QByteArrayView rc, QByteArrayView nc, QByteArrayView tc,
                               QByteArrayView vc);
};
