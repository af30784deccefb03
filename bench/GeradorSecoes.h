#pragma once

// The writer's fixture of the sections after the declarant's lines: 100,000 fund lines in 20
// funds, 100,000 accumulated-income items, 50,000 health-plan holders with 50,000 dependants,
// 50,000 beneficiaries abroad with two payments each and 20,000 complementary texts, inserted
// bare with a fixed seed. Shared by the writer's and the verification's benchmarks.

#include <QByteArray>
#include <QString>

#include <memory>
#include <random>

#include "ApiDireta.h"

namespace secoes_bancada {

using Firebird::IMessageMetadata;
using Firebird::IStatement;

inline constexpr int kFundos = 20;
inline constexpr int kLinhasFundo = 100000;
inline constexpr int kItensRra = 100000;
inline constexpr int kOperadoras = 10;
inline constexpr int kTitulares = 50000;
inline constexpr int kRemessas = 50000;
inline constexpr int kTextos = 20000;
inline constexpr unsigned kSemente = 20140301;
inline const QString kCnpj = QStringLiteral("11444777000161");

inline QByteArray Colunas(const char* prefixo, int meses) {
  static const char* const kMeses[13] = {"JAN", "FEV", "MAR", "ABR", "MAI", "JUN", "JUL", "AGO", "SET", "OUT", "NOV", "DEZ", "13"};
  QByteArray r;
  for (int m = 0; m < meses; ++m) r += QByteArray(", ") + prefixo + '_' + kMeses[m];
  return r;
}
inline QByteArray Marcas(int n) { return QByteArray(", ?").repeated(n); }

class Gerador {
 public:
  explicit Gerador(ApiDireta& api) : m_api(api), m_rng(kSemente) {}

  void Gera() {
    Executa("UPDATE OR INSERT INTO TOLVS (TOLV_DK, IN_PF_PJ, NR_PF_PJ, AN_RETENCA, NM_NM_EMPR, IN_NATUREZADECLAR, "
            "IN_ADM_FC, IN_ADVOGADO, IN_PLANOSAUDE, IN_REMESSA, RESP_NO_CNPJ, RESP_PF, NM_RESP) VALUES (1, '2', "
            "'114447770001', '2013', 'Empresa de Teste Ltda', 0, 1, 1, 1, 'S', '111444777', '111444777', 'Responsavel') "
            "MATCHING (TOLV_DK)");
    Fundos();
    Commit();
    Rra();
    Commit();
    PlanoSaude();
    Commit();
    Remessas();
    Commit();
    Textos();
    Commit();
  }

 private:
  void Executa(const char* sql) {
    m_api.att->execute(&m_api.st, m_api.tra, 0, sql, 3, nullptr, nullptr, nullptr, nullptr);
  }
  void Commit() { m_api.tra->commitRetaining(&m_api.st); }

  struct Insercao {
    IStatement* stmt = nullptr;
    IMessageMetadata* meta = nullptr;
    std::unique_ptr<MensagemDireta> msg;
  };
  Insercao Prepara(const QByteArray& sql) {
    Insercao i;
    i.stmt = m_api.att->prepare(&m_api.st, m_api.tra, 0, sql.constData(), 3, IStatement::PREPARE_PREFETCH_METADATA);
    i.meta = i.stmt->getInputMetadata(&m_api.st);
    i.msg = std::make_unique<MensagemDireta>(m_api, i.meta);
    return i;
  }
  void Roda(Insercao& i) { i.stmt->execute(&m_api.st, m_api.tra, i.meta, i.msg->dados(), nullptr, nullptr); }
  void Libera(Insercao& i) {
    i.meta->release();
    i.stmt->free(&m_api.st);
  }
  int64_t Valor() { return int64_t(100 + m_rng() % 900000) * 100; }

  void Fundos() {
    Insercao fonte = Prepara("INSERT INTO FONTES (FONTE_DK, IN_PF_PJ, NR_PF_PJ, NM_NM_EMPR, IN_TIPO) VALUES (?, '2', ?, ?, 0)");
    for (int f = 0; f < kFundos; ++f) {
      fonte.msg->valor(0, int32_t(2 + f));
      fonte.msg->texto(1, QByteArray::number(550000000001LL + 10000LL * (kFundos - f)));
      fonte.msg->texto(2, "Fundo de Investimento " + QByteArray::number(f));
      Roda(fonte);
    }
    Libera(fonte);
    Insercao linha = Prepara("INSERT INTO TOLV_ITENS (TOLV_ITEM_DK, E_FONTE_DK, TRIB_TRIBU, E_IN_PF_PJ, E_NR_PF_PJ, NM_NM_EMPR" +
                             Colunas("VL_RENDIME", 13) + Colunas("VL_RETIDO", 13) + ") VALUES (?, ?, ?, ?, ?, ?" +
                             Marcas(26) + ")");
    Insercao judicial = Prepara("INSERT INTO JUDICIAIS (E_TOLV_ITEM_DK" + Colunas("VL_RETIDO", 13) + ") VALUES (?" + Marcas(13) + ")");
    Insercao isento = Prepara("INSERT INTO ISENTOS (E_TOLV_ITEM_DK" + Colunas("VL_RIP65", 13) +
                              ", VL_ANUAL_OUTRO, VL_ANUAL_DESCOUTRO) VALUES (?" + Marcas(15) + ")");
    for (int i = 1; i <= kLinhasFundo; ++i) {
      const bool empresa = m_rng() % 4 == 0;
      const QByteArray numero = empresa ? QByteArray::number(200000000000LL + i) : QByteArray::number(300000000 + i);
      linha.msg->valor(0, int32_t(i));
      linha.msg->valor(1, int32_t(2 + i % kFundos));
      linha.msg->texto(2, m_rng() % 2 ? "3277" : "0561");
      linha.msg->texto(3, empresa ? "2" : "1");
      linha.msg->texto(4, numero);
      linha.msg->texto(5, (empresa ? "Empresa Cotista " : "Cotista de Fundo ") + numero);
      const int64_t v = Valor();
      for (int m = 0; m < 13; ++m) {
        linha.msg->valor(unsigned(6 + m), v);
        linha.msg->valor(unsigned(19 + m), v * 15 / 100 / 100 * 100);
      }
      Roda(linha);
      if (i % 10 == 0) {
        judicial.msg->valor(0, int32_t(i));
        for (int m = 0; m < 13; ++m) judicial.msg->valor(unsigned(1 + m), m < 3 ? v / 10 : int64_t(0));
        Roda(judicial);
      }
      if (i % 5 == 0) {
        isento.msg->valor(0, int32_t(i));
        for (int m = 0; m < 13; ++m) isento.msg->valor(unsigned(1 + m), m < 12 ? int64_t(19000000) : int64_t(0));
        isento.msg->valor(14, int64_t(5000000));
        isento.msg->texto(15, "Prêmio de loteria");
        Roda(isento);
      }
      if (i % 50000 == 0) Commit();
    }
    for (Insercao* i : {&linha, &judicial, &isento}) Libera(*i);
  }

  void Nomes(int64_t primeiro, int quantidade, const char* tipo, const QByteArray& prefixo) {
    Insercao nome = Prepara("UPDATE OR INSERT INTO BENEFICIARIOS (IN_PF_PJ, NR_PF_PJ, NM_NM_EMPR, NM_NM_EMPR_CV) "
                            "VALUES (?, ?, ?, ?) MATCHING (IN_PF_PJ, NR_PF_PJ)");
    for (int i = 0; i < quantidade; ++i) {
      const QByteArray numero = QByteArray::number(primeiro + i);
      nome.msg->texto(0, tipo);
      nome.msg->texto(1, numero);
      nome.msg->texto(2, prefixo + numero);
      nome.msg->texto(3, prefixo.toUpper() + numero);
      Roda(nome);
    }
    Libera(nome);
  }

  void Rra() {
    Nomes(400000000, kItensRra / 2, "1", "Beneficiário Acumulado ");
    Nomes(410000000, 100, "1", "Advogado ");
    Insercao item = Prepara("INSERT INTO RRA_ITEM (RRA_ITEM_ID, IN_TIPO_RRA, NR_PF_PJ, NATUREZA, RRA_PROCESSO, IN_MOLESTIA, "
                            "IN_PF_PJ_ADVOGADO, NR_ADVOGADO" + Colunas("VL_RENDIME", 12) + Colunas("VL_RETIDO", 12) +
                            Colunas("QTDE_MESES", 12) + ") VALUES (?, ?, ?, ?, ?, 'N', '1', ?" + Marcas(36) + ")");
    for (int i = 1; i <= kItensRra; ++i) {
      item.msg->valor(0, int32_t(i));
      item.msg->texto(1, m_rng() % 3 == 0 ? "2" : "1");
      item.msg->texto(2, QByteArray::number(400000000 + int(m_rng() % (kItensRra / 2))));
      item.msg->texto(3, "Aposentadoria");
      item.msg->texto(4, QByteArray::number(10000000000000000LL + m_rng() % 5000));
      item.msg->texto(5, QByteArray::number(410000000 + int(m_rng() % 100)));
      const int64_t v = Valor();
      for (int m = 0; m < 12; ++m) {
        item.msg->valor(unsigned(6 + m), m < 6 ? v : int64_t(0));
        item.msg->valor(unsigned(18 + m), m < 6 ? v * 27 / 100 / 100 * 100 : int64_t(0));
        item.msg->valor(unsigned(30 + m), m < 6 ? int64_t(20000) : int64_t(0));
      }
      Roda(item);
      if (i % 50000 == 0) Commit();
    }
    Libera(item);
  }

  void PlanoSaude() {
    Nomes(660000000001LL, kOperadoras, "2", "Operadora de Saúde ");
    Nomes(500000000, kTitulares, "1", "Titular do Plano ");
    Nomes(600000000, kTitulares / 2, "1", "Dependente com CPF ");
    Insercao operadora = Prepara("INSERT INTO TB_PS_OPERADORA (TPO_ID, TPO_IN_PF_PJ, TPO_NR_PF_PJ, TPO_REGISTRO_ANS) "
                                 "VALUES (?, '2', ?, '123456')");
    for (int o = 0; o < kOperadoras; ++o) {
      operadora.msg->valor(0, int32_t(1 + o));
      operadora.msg->texto(1, QByteArray::number(660000000001LL + (kOperadoras - 1 - o)));
      Roda(operadora);
    }
    Libera(operadora);
    Insercao titular = Prepara("INSERT INTO TB_PS_TITULAR (TPT_ID, TPT_TPO_ID, TPT_IN_PF_PJ, TPT_NR_PF_PJ, TPT_VL_PAGO) "
                               "VALUES (?, ?, '1', ?, ?)");
    Insercao dependente = Prepara("INSERT INTO TB_PS_DEPENDENTE (TPD_ID, TPD_TPT_ID, TPD_IN_PF_PJ, TPD_NR_PF_PJ, TPD_NOME, "
                                  "TPD_DT_NASC, TPD_TPRD_CD, TPD_VL_PAGO) VALUES (?, ?, ?, ?, ?, ?, '04', ?)");
    for (int t = 1; t <= kTitulares; ++t) {
      titular.msg->valor(0, int32_t(t));
      titular.msg->valor(1, int32_t(1 + m_rng() % kOperadoras));
      titular.msg->texto(2, QByteArray::number(500000000 + int(m_rng() % kTitulares)));
      titular.msg->valor(3, Valor());
      Roda(titular);
      dependente.msg->valor(0, int32_t(t));
      dependente.msg->valor(1, int32_t(1 + m_rng() % kTitulares));
      const bool comCpf = t % 2 == 0;
      dependente.msg->nulo(2, !comCpf);
      dependente.msg->nulo(3, !comCpf);
      dependente.msg->nulo(4, comCpf);
      if (comCpf) {
        dependente.msg->texto(2, "1");
        dependente.msg->texto(3, QByteArray::number(600000000 + t / 2));
      } else {
        dependente.msg->texto(4, "Dependente sem CPF " + QByteArray::number(t));
      }
      dependente.msg->texto(5, QByteArray::number(19600101 + int(m_rng() % 500000)));
      dependente.msg->valor(6, Valor() / 10);
      Roda(dependente);
    }
    Libera(titular);
    Libera(dependente);
  }

  void Remessas() {
    Insercao remessa = Prepara("INSERT INTO TB_REMESSA (TREM_ID, TREM_NIF, TREM_CD_PAIS, TREM_IN_TIPO_BENEFICIARIO, "
                               "TREM_IN_BENEF_DISPENSA_NIF, TREM_IN_PAIS_DISPENSA_NIF, TREM_IN_PF_PJ, TREM_NOME, "
                               "TREM_LOGRADOURO, TREM_NUMERO, TREM_CIDADE, TREM_TELEFONE) "
                               "VALUES (?, ?, ?, ?, 'N', 'N', '0', ?, 'Main Street', '100', 'Asunción', '595 21 000')");
    Insercao valor = Prepara("INSERT INTO TB_VALOR_REMESSA (TVRE_ID, TREM_ID, TVRE_DATA, TVRE_CD_RETENCAO, "
                             "TVRE_CD_TIPO_RENDIMENTO, TVRE_CD_FORMA_TRIBUTACAO, TVRE_VL_RENDIMENTO_PAGO, TVRE_VL_IRRF) "
                             "VALUES (?, ?, ?, '0473', 120, 40, ?, ?)");
    for (int r = 1; r <= kRemessas; ++r) {
      const bool pessoa = m_rng() % 2 == 0;
      remessa.msg->valor(0, int32_t(r));
      remessa.msg->texto(1, "NIF-" + QByteArray::number(int(m_rng() % 10000000)));
      remessa.msg->valor(2, int16_t(586));
      remessa.msg->texto(3, pessoa ? "1" : "2");
      remessa.msg->texto(4, (pessoa ? "Beneficiário no Exterior " : "Foreign Company ") + QByteArray::number(r));
      Roda(remessa);
      for (int p = 0; p < 2; ++p) {
        valor.msg->valor(0, int32_t(2 * r + p));
        valor.msg->valor(1, int32_t(r));
        const unsigned mes = 1 + unsigned(m_rng() % 12);
        valor.msg->valor(2, m_api.util->encodeDate(2013, mes, 1 + unsigned(m_rng() % 28)));
        const int64_t v = Valor();
        valor.msg->valor(3, v);
        valor.msg->valor(4, v * 15 / 100 / 100 * 100);
        Roda(valor);
      }
      if (r % 25000 == 0) Commit();
    }
    Libera(remessa);
    Libera(valor);
  }

  void Textos() {
    Insercao texto = Prepara("INSERT INTO COMPROVANTES_PF (NR_PF, INFO_COMPL) VALUES (?, ?)");
    for (int t = 0; t < kTextos; ++t) {
      texto.msg->texto(0, QByteArray::number(300000000 + 5 * t + 1));
      texto.msg->texto(1, "Valores pagos por decisão judicial\r\nprocesso " + QByteArray::number(t));
      Roda(texto);
    }
    Libera(texto);
  }

  ApiDireta& m_api;
  std::mt19937 m_rng;
};

}  // namespace secoes_bancada
