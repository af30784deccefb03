#include "entrega/VerificacaoPlanosSaude.h"

#include "entrega/TVerificacaoPendencias.h"
#include "nucleo/Erros.h"
#include "nucleo/NiContribuinte.h"
#include "nucleo/NomeContribuinte.h"
#include "nucleo/Pendencia.h"
#include "nucleo/TTolv.h"
#include "plataforma/bd/Consulta.h"
#include "secoes/TRegistroAns.h"
#include "secoes/TzuqDependentePlanoSaude.h"

namespace {

constexpr uint8_t kAviso = 0;
constexpr uint8_t kErro = 1;
// 9.999.999,99 in ten-thousandths.
constexpr int64_t kValorMaximo = 99999999900LL;

const char* const kPlanos = R"(
SELECT O.TPO_ID, O.TPO_NR_PF_PJ, O.TPO_REGISTRO_ANS, BO.NM_NM_EMPR AS NOME_OPERADORA,
       T.TPT_ID, T.TPT_NR_PF_PJ, BT.NM_NM_EMPR AS NOME_TITULAR, T.TPT_VL_PAGO,
       D.TPD_ID, D.TPD_IN_PF_PJ, D.TPD_NR_PF_PJ, D.TPD_DT_NASC, D.TPD_NOME, BD.NM_NM_EMPR AS NOME_DEPENDENTE,
       D.TPD_VL_PAGO
FROM TB_PS_OPERADORA O
LEFT JOIN BENEFICIARIOS BO ON BO.IN_PF_PJ = O.TPO_IN_PF_PJ AND BO.NR_PF_PJ = O.TPO_NR_PF_PJ
LEFT JOIN TB_PS_TITULAR T ON T.TPT_TPO_ID = O.TPO_ID
LEFT JOIN BENEFICIARIOS BT ON BT.IN_PF_PJ = T.TPT_IN_PF_PJ AND BT.NR_PF_PJ = T.TPT_NR_PF_PJ
LEFT JOIN TB_PS_DEPENDENTE D ON D.TPD_TPT_ID = T.TPT_ID
LEFT JOIN BENEFICIARIOS BD ON BD.IN_PF_PJ = D.TPD_IN_PF_PJ AND BD.NR_PF_PJ = D.TPD_NR_PF_PJ
ORDER BY O.TPO_ID, T.TPT_NR_PF_PJ, T.TPT_ID, D.TPD_ID
)";

QString Formatado(const QString& base) {
  const QString b = base.trimmed();
  return b.isEmpty() ? QString() : TNiContribuinte::FormataNi(b + TNiContribuinte::CalculaDVNi(b));
}

class Percurso {
 public:
  Percurso(TTolv& declaracao, TErros& erros, TVerificacaoPendencias& verificacao, int& contador, bool& limpo)
      : m_declaracao(declaracao), m_erros(erros), m_v(verificacao), m_contador(contador), m_limpo(limpo) {}

  void Operadora(const bd::Consulta& q) {
    m_operadora = q.campo(QStringLiteral("TPO_ID")).texto();
    m_niOperadora = Formatado(q.campo(QStringLiteral("TPO_NR_PF_PJ")).texto());
    m_operadoraListada = false;
    const QString& dono = m_operadora;
    if (q.campo(QStringLiteral("TPO_NR_PF_PJ")).texto().trimmed().isEmpty())
      Achado(39, kErro, dono, QStringLiteral("cnpj"), 54);
    const QString ans = q.campo(QStringLiteral("TPO_REGISTRO_ANS")).texto().trimmed();
    if (ans.isEmpty())
      Achado(245, kErro, dono, QStringLiteral("ans"), 54);
    else if (TRegistroAns::ValidaRegistroAns(ans) != 0)
      Achado(253, kErro, dono, QStringLiteral("ans"), 54);
    QString nome = q.campo(QStringLiteral("NOME_OPERADORA")).texto().trimmed();
    if (nome.isEmpty())
      Achado(191, kErro, dono, QStringLiteral("nome"), 54);
    else if (const int c = TNomeContribuinte::ValidaNome(nome, kNiCnpj, false))
      Achado(c, kErro, dono, QStringLiteral("nome"), 54);
    ++m_contador;
    Lista(false);
    if (q.campo(QStringLiteral("TPT_ID")).nulo()) {
      Achado(262, kErro, dono, QStringLiteral("cnpj"), 54);
      Lista(false);
    }
  }

  void Titular(const bd::Consulta& q) {
    m_titular = q.campo(QStringLiteral("TPT_ID")).texto();
    m_baseTitular = q.campo(QStringLiteral("TPT_NR_PF_PJ")).texto().trimmed();
    m_nomeTitular = q.campo(QStringLiteral("NOME_TITULAR")).texto().trimmed();
    m_valorTitular = q.campo(QStringLiteral("TPT_VL_PAGO")).dezMilesimos();
    m_titularListado = false;
    m_temDependente = false;
    if (m_baseTitular.isEmpty()) Achado(38, kErro, m_titular, QStringLiteral("cpf"), 55);
    QString nome = m_nomeTitular;
    if (nome.isEmpty())
      Achado(191, kErro, m_titular, QStringLiteral("nome"), 55);
    else if (const int c = TNomeContribuinte::ValidaNome(nome, kNiCpf, false))
      Achado(c, kErro, m_titular, QStringLiteral("nome"), 55);
    Valor(m_valorTitular, m_titular, 55, 266, kAviso, {});
    ++m_contador;
    Lista(true);
  }

  void Dependente(const bd::Consulta& q) {
    m_temDependente = true;
    const QString dono = q.campo(QStringLiteral("TPD_ID")).texto();
    const bool semTipo = q.campo(QStringLiteral("TPD_IN_PF_PJ")).nulo();
    const bool semNi = q.campo(QStringLiteral("TPD_NR_PF_PJ")).nulo();
    const QString nascimento = q.campo(QStringLiteral("TPD_DT_NASC")).texto().trimmed();
    if (semTipo && semNi && q.campo(QStringLiteral("TPD_DT_NASC")).nulo())
      Achado(273, kAviso, dono, QStringLiteral("cpf"), 56);
    else if (!semNi && q.campo(QStringLiteral("TPD_NR_PF_PJ")).texto().trimmed() == m_baseTitular)
      Achado(252, kErro, dono, QStringLiteral("cpf"), 56);
    QString nome = (semTipo && semNi ? q.campo(QStringLiteral("TPD_NOME")) : q.campo(QStringLiteral("NOME_DEPENDENTE")))
                       .texto()
                       .trimmed();
    const QString nomeLinha = nome;
    if (nome.isEmpty())
      Achado(247, kErro, dono, QStringLiteral("nome"), 56);
    else if (const int c = TNomeContribuinte::ValidaNome(nome, kNiCpf, false))
      Achado(c, kErro, dono, QStringLiteral("nome"), 56);
    if (!nascimento.isEmpty()) {
      // Stored AAAAMMDD; anything else goes to the rule as it stands.
      const QString ddmmaaaa =
          nascimento.size() == 8 ? nascimento.mid(6, 2) + nascimento.mid(4, 2) + nascimento.left(4) : nascimento;
      const int c = TzuqDependentePlanoSaude::ValidaDataNascimento(
          ddmmaaaa, m_declaracao.GetAnoCalendario(), m_declaracao.GetSituacaoEspecial() != 0,
          m_declaracao.GetDataEvento());
      // The texts of 251 and 264 name the date: as DD/MM/AAAA, or as stored when it has no such form.
      const QString data = nascimento.size() == 8
                               ? ddmmaaaa.left(2) + u'/' + ddmmaaaa.mid(2, 2) + u'/' + ddmmaaaa.mid(4)
                               : nascimento;
      if (c == 264 || c == 251)
        Achado(c, kErro, dono, QStringLiteral("dt_nascimento"), 56, data);
      else if (c == 265 || c == 271)
        Achado(c, kAviso, dono, QStringLiteral("dt_nascimento"), 56);
      else if (c != 0)
        Achado(c, kErro, dono, QStringLiteral("dt_nascimento"), 56);
    }
    Valor(q.campo(QStringLiteral("TPD_VL_PAGO")).dezMilesimos(), dono, 56, 256, kErro, nomeLinha);
    ++m_contador;
    if (m_erros.GetQuantidade() > 0) {
      Cabecalhos(true);
      m_v.IncluiTitulo(QStringLiteral("10         Dependente - ") + nomeLinha);
      m_v.IncluiErros(m_erros);
      m_erros.Limpa();
    }
  }

  // A holder without dependants must have paid something.
  void FimTitular() {
    if (m_titular.isEmpty() || m_temDependente) return;
    if (m_valorTitular == 0) {
      Achado(267, kErro, m_titular, QStringLiteral("valor"), 55);
      ++m_contador;
      Lista(true);
    }
  }

  void SemTitular() { m_titular.clear(); }

 private:
  void Achado(int codigo, uint8_t tipo, const QString& dono, const QString& quem, int objeto,
              const QString& argumentos = {}) {
    AdicionaPendencia<TErro>(m_erros, uint16_t(codigo), argumentos, tipo, dono, quem, uint8_t(objeto));
  }
  void Valor(int64_t valor, const QString& dono, int objeto, int codigoZero, uint8_t tipoZero,
             const QString& argumentoZero) {
    if (valor < 0)
      Achado(70, kErro, dono, QStringLiteral("valor"), objeto);
    else if (valor == 0)
      Achado(codigoZero, tipoZero, dono, QStringLiteral("valor"), objeto, argumentoZero);
    else if (valor > kValorMaximo)
      Achado(307, kErro, dono, QStringLiteral("valor"), objeto);
  }
  void Cabecalhos(bool comTitular) {
    m_limpo = false;
    if (!m_operadoraListada) {
      m_operadoraListada = true;
      m_v.IncluiCabecalhoPlanoSaude(m_niOperadora);
    }
    if (comTitular && !m_titularListado) {
      m_titularListado = true;
      m_v.IncluiTitulo(QStringLiteral("10Titular - ") + Formatado(m_baseTitular) + QStringLiteral(" - ") +
                       m_nomeTitular);
    }
  }
  void Lista(bool comTitular) {
    if (m_erros.GetQuantidade() == 0) return;
    Cabecalhos(comTitular);
    m_v.IncluiErros(m_erros);
    m_erros.Limpa();
    m_v.SetVerificados(m_contador);
  }

  TTolv& m_declaracao;
  TErros& m_erros;
  TVerificacaoPendencias& m_v;
  int& m_contador;
  bool& m_limpo;
  QString m_operadora, m_niOperadora, m_titular, m_baseTitular, m_nomeTitular;
  int64_t m_valorTitular = 0;
  bool m_operadoraListada = false;
  bool m_titularListado = false;
  bool m_temDependente = false;
};

}  // namespace

QString ConsultaPlanosSaude() { return QString::fromLatin1(kPlanos); }

void VerificaPlanosSaude(TTolv& declaracao, TErros& erros, TVerificacaoPendencias& verificacao, int& contador,
                         bool& limpo) {
  bd::Consulta q(declaracao.GetTransacaoDeclaracao(), ConsultaPlanosSaude());
  q.abre();
  Percurso p(declaracao, erros, verificacao, contador, limpo);
  erros.Limpa();
  int operadora = -1;
  int titular = -1;
  for (; !q.eof() && !verificacao.GetParado(); q.proximo()) {
    const int idOperadora = q.campo(QStringLiteral("TPO_ID")).inteiro();
    const bool semTitular = q.campo(QStringLiteral("TPT_ID")).nulo();
    const int idTitular = semTitular ? -1 : q.campo(QStringLiteral("TPT_ID")).inteiro();
    if (idOperadora != operadora || idTitular != titular) p.FimTitular();
    if (idOperadora != operadora) {
      operadora = idOperadora;
      titular = -1;
      p.SemTitular();
      p.Operadora(q);
    }
    if (!semTitular && idTitular != titular) {
      titular = idTitular;
      p.Titular(q);
    }
    if (!q.campo(QStringLiteral("TPD_ID")).nulo()) p.Dependente(q);
    verificacao.ProcessaEventos();
  }
  if (!verificacao.GetParado()) p.FimTitular();
  q.fecha();
  verificacao.SetVerificados(contador);
}
