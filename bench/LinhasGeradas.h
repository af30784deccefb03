#pragma once

// Lines of the declarant made by the database itself, and the bare fetch of a list statement
// through the engine's OO API: what the benchmarks that walk lines measure against.

#include <QElapsedTimer>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <cstring>
#include <vector>

#include "ApiDireta.h"
#include "Bancada.h"
#include "plataforma/bd/Conexao.h"
#include "plataforma/bd/Script.h"
#include "plataforma/bd/Transacao.h"

namespace linhas_geradas {

using Firebird::IMessageMetadata;
using Firebird::IResultSet;
using Firebird::IStatement;
using Firebird::ThrowStatusWrapper;

using bancada::Segundos;

// Lines made by the database itself, keys from `primeira` on: five codes, a person each, every
// taxable amount set, judicial deposits on one line in seven and exempt income on one in ten.
inline void GeraLinhas(const QString& arquivo, int primeira, int quantidade) {
  static const char* const meses[] = {"JAN", "FEV", "MAR", "ABR", "MAI", "JUN", "JUL", "AGO", "SET", "OUT", "NOV", "DEZ", "13"};
  QStringList colunas, valores;
  int k = 0;
  for (const char* serie : {"VL_RENDIME_", "VL_DEDUCAO_", "VL_DEDUCAO_PO_", "VL_DEDUCAO_PP_", "VL_DEDUCAO_DP_", "VL_DEDUCAO_PA_",
                            "VL_RETIDO_", "VL_MOLESTIA_"}) {
    for (const char* mes : meses) {
      colunas << QString::fromLatin1(serie) + QString::fromLatin1(mes);
      valores << QStringLiteral("MOD(:I * 7919 + %1, 10000000) * 0.01").arg(++k * 104729);
    }
  }
  bd::Conexao conexao(arquivo);
  conexao.conecta();
  bd::Transacao transacao(conexao);
  bd::Script(transacao).executa(QStringLiteral(
      "SET TERM ^ ;\n"
      "EXECUTE BLOCK AS DECLARE I INTEGER = %1; BEGIN\n"
      "  WHILE (I < %2) DO BEGIN\n"
      "    INSERT INTO TOLV_ITENS (TOLV_ITEM_DK, E_FONTE_DK, TRIB_TRIBU, E_IN_PF_PJ, E_NR_PF_PJ, NM_NM_EMPR, %3)\n"
      "    VALUES (:I, 1, DECODE(MOD(:I, 5), 0, '0561', 1, '0588', 2, '3208', 3, '5936', '3533'), '1',\n"
      "            LPAD(100000000 + 7 * :I, 9, '0'), 'BENEFICIARIO DE TESTE', %4);\n"
      "    IF (MOD(:I, 7) = 0) THEN INSERT INTO JUDICIAIS (E_TOLV_ITEM_DK, VL_DEPOSITO_MAR) VALUES (:I, MOD(:I, 10000) * 0.01);\n"
      "    IF (MOD(:I, 10) = 3) THEN INSERT INTO ISENTOS (E_TOLV_ITEM_DK, VL_RIP65_ABR) VALUES (:I, MOD(:I, 1000) * 0.01);\n"
      "    I = I + 1;\n"
      "  END\n"
      "END^\n"
      "SET TERM ; ^\n"
      "ALTER SEQUENCE GEN_TOLV_ITEM_DK RESTART WITH %2;")
                                    .arg(primeira)
                                    .arg(primeira + quantidade)
                                    .arg(colunas.join(u','), valores.join(u',')));
  transacao.commit();
}

// The walk's own statement fetched bare: prepared once, every column of every row decoded into a
// 64-bit integer (a text by its length), nothing kept.
inline double LeituraDireta(const QString& arquivo, const QString& sql, int& linhas, int64_t& soma) {
  ApiDireta api(arquivo);
  ThrowStatusWrapper& st = api.st;
  QString texto = sql;
  texto.replace(QStringLiteral(":FONTE_DK"), QStringLiteral("?"));
  const QByteArray utf8 = texto.toUtf8();
  IStatement* stmt = api.att->prepare(&st, api.tra, 0, utf8.constData(), 3, IStatement::PREPARE_PREFETCH_METADATA);
  IMessageMetadata* entrada = stmt->getInputMetadata(&st);
  IMessageMetadata* saida = stmt->getOutputMetadata(&st);
  MensagemDireta in(api, entrada);
  in.valor(0, int32_t(1));
  struct Coluna {
    unsigned tipo, deslocamento, nulo;
  };
  std::vector<Coluna> colunas;
  for (unsigned i = 0; i < saida->getCount(&st); ++i)
    colunas.push_back({saida->getType(&st, i) & ~1u, saida->getOffset(&st, i), saida->getNullOffset(&st, i)});
  std::vector<unsigned char> linha(saida->getMessageLength(&st));
  QElapsedTimer relogio;
  relogio.start();
  IResultSet* cursor = stmt->openCursor(&st, api.tra, entrada, in.dados(), saida, 0);
  linhas = 0;
  soma = 0;
  while (cursor->fetchNext(&st, linha.data()) == Firebird::IStatus::RESULT_OK) {
    ++linhas;
    for (const Coluna& c : colunas) {
      int16_t nulo;
      std::memcpy(&nulo, &linha[c.nulo], sizeof nulo);
      if (nulo) continue;
      const unsigned char* p = &linha[c.deslocamento];
      int64_t v = 0;
      switch (c.tipo) {
        case SQL_INT64: std::memcpy(&v, p, 8); break;
        case SQL_LONG: case SQL_TYPE_DATE: { int32_t x; std::memcpy(&x, p, 4); v = x; break; }
        case SQL_SHORT: { int16_t x; std::memcpy(&x, p, 2); v = x; break; }
        case SQL_VARYING: { uint16_t x; std::memcpy(&x, p, 2); v = x; break; }
        default: v = 1; break;
      }
      soma += v;
    }
  }
  cursor->close(&st);
  const double segundos = Segundos(relogio);
  entrada->release();
  saida->release();
  stmt->free(&st);
  return segundos;
}


}  // namespace linhas_geradas
